// What DllRegisterServer writes and DllUnregisterServer removes, the
// registered type library, the module's string and DllCanUnloadNow.

#include "VantrixTestSupport.h"

#include <gtest/gtest.h>

using namespace VantrixTest;

namespace {
const char kClsid[] = "{D13985FD-2BDA-4FD3-B1D0-04307DA26277}";
const char kLibId[] = "{5D6E1579-E909-48DC-876E-3F9322E6294A}";
const char kClassKey[] = "CLSID\\{D13985FD-2BDA-4FD3-B1D0-04307DA26277}";
const LCID kLocale = 1033;

typedef HRESULT(STDAPICALLTYPE* ServerFunction)();

HRESULT CallExport(const char* name)
{
    const auto function =
        reinterpret_cast<ServerFunction>(reinterpret_cast<void*>(GetProcAddress(VantrixModule(), name)));
    return function ? function() : E_FAIL;
}

bool KeyExists(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string ReadString(const std::string& path, const char* name = nullptr)
{
    char buffer[MAX_PATH * 2] = "";
    DWORD size = sizeof(buffer);
    if (RegGetValueA(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return "<none>";
    return buffer;
}

std::string Text(BSTR text)
{
    std::string result = VantrixTest::Ansi(text);
    SysFreeString(text);
    return result;
}

struct RegistryCase {
    std::string key;
    const char* value;
    std::string expected;
};

TEST(Registration, KeysAfterRegister)
{
    const RegistryCase cases[] = {
        {"Vantrix.Encoder.1", nullptr, "Encoder Class"},
        {"Vantrix.Encoder.1\\CLSID", nullptr, kClsid},
        {"Vantrix.Encoder", nullptr, "Encoder Class"},
        {"Vantrix.Encoder\\CLSID", nullptr, kClsid},
        {"Vantrix.Encoder\\CurVer", nullptr, "Vantrix.Encoder.1"},
        {kClassKey, nullptr, "Encoder Class"},
        {std::string(kClassKey) + "\\ProgID", nullptr, "Vantrix.Encoder.1"},
        {std::string(kClassKey) + "\\VersionIndependentProgID", nullptr, "Vantrix.Encoder"},
        {std::string(kClassKey) + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {std::string(kClassKey) + "\\TypeLib", nullptr, kLibId},
    };
    for (const RegistryCase& c : cases)
        EXPECT_EQ(c.expected, ReadString(c.key, c.value)) << c.key << " " << (c.value ? c.value : "(default)");
    EXPECT_TRUE(KeyExists(std::string(kClassKey) + "\\Programmable"));
    EXPECT_EQ(0, lstrcmpiA(VantrixPath().c_str(), ReadString(std::string(kClassKey) + "\\InprocServer32").c_str()))
        << ReadString(std::string(kClassKey) + "\\InprocServer32");

    CLSID clsid = CLSID_NULL;
    EXPECT_EQ(S_OK, CLSIDFromProgID(L"Vantrix.Encoder", &clsid));
    EXPECT_TRUE(IsEqualCLSID(CLSID_Encoder, clsid));
    LPOLESTR progId = nullptr;
    ASSERT_EQ(S_OK, ProgIDFromCLSID(CLSID_Encoder, &progId));
    EXPECT_EQ(std::wstring(L"Vantrix.Encoder.1"), progId);
    CoTaskMemFree(progId);

    char name[32] = "";
    EXPECT_EQ(7, LoadStringA(VantrixModule(), 100, name, sizeof(name)));
    EXPECT_STREQ("Vantrix", name);
}

struct MethodShape {
    MEMBERID id;
    const char* name;
    const char* help;
    std::vector<const char*> params;
    std::vector<USHORT> flags;
    std::vector<VARTYPE> types;  // VT_PTR stands for a pointer to the next entry's type
};

TEST(Registration, RegisteredTypeLibraryDescribesIEncoder)
{
    ITypeLib* lib = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_VANTRIXLib, 1, 0, kLocale, &lib));
    BSTR name = nullptr;
    BSTR help = nullptr;
    ASSERT_EQ(S_OK, lib->GetDocumentation(-1, &name, &help, nullptr, nullptr));
    EXPECT_EQ("VANTRIXLib", Text(name));
    EXPECT_EQ("Vantrix 1.0 Type Library", Text(help));

    ITypeInfo* coclass = nullptr;
    ASSERT_EQ(S_OK, lib->GetTypeInfoOfGuid(CLSID_Encoder, &coclass));
    ASSERT_EQ(S_OK, coclass->GetDocumentation(MEMBERID_NIL, &name, &help, nullptr, nullptr));
    EXPECT_EQ("Encoder", Text(name));
    EXPECT_EQ("Encoder Class", Text(help));
    INT implFlags = 0;
    EXPECT_EQ(S_OK, coclass->GetImplTypeFlags(0, &implFlags));
    EXPECT_TRUE(implFlags & IMPLTYPEFLAG_FDEFAULT);
    HREFTYPE ref = 0;
    ITypeInfo* defaultInterface = nullptr;
    ASSERT_EQ(S_OK, coclass->GetRefTypeOfImplType(0, &ref));
    ASSERT_EQ(S_OK, coclass->GetRefTypeInfo(ref, &defaultInterface));
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(S_OK, defaultInterface->GetTypeAttr(&attr));
    EXPECT_TRUE(IsEqualIID(IID_IEncoder, attr->guid));
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
    defaultInterface->ReleaseTypeAttr(attr);
    defaultInterface->Release();
    coclass->Release();

    ITypeInfo* dispatchInfo = nullptr;
    ASSERT_EQ(S_OK, lib->GetTypeInfoOfGuid(IID_IEncoder, &dispatchInfo));
    ASSERT_EQ(S_OK, dispatchInfo->GetDocumentation(MEMBERID_NIL, &name, &help, nullptr, nullptr));
    EXPECT_EQ("IEncoder", Text(name));
    EXPECT_EQ("IEncoder Interface", Text(help));
    ITypeInfo* info = nullptr;
    ASSERT_EQ(S_OK, dispatchInfo->GetRefTypeOfImplType(-1, &ref));
    ASSERT_EQ(S_OK, dispatchInfo->GetRefTypeInfo(ref, &info));
    dispatchInfo->Release();

    const USHORT in = PARAMFLAG_FIN;
    const USHORT out = PARAMFLAG_FOUT;
    const MethodShape shapes[] = {
        {1, "CalcCheckSum", "method CalcCheckSum", {"sData", "sChecksum"}, {in, out}, {VT_BSTR, VT_PTR, VT_BSTR}},
        {2,
         "InsertBarcode",
         "method InsertBarcode",
         {"sEncoded", "sFont", "nSize", "nColor"},
         {out, out, out, out},
         {VT_PTR, VT_BSTR, VT_PTR, VT_BSTR, VT_PTR, VT_I4, VT_PTR, VT_I4}},
        {3, "Vantrix", "method Vantrix", {"sData", "sVantrix"}, {in, out}, {VT_BSTR, VT_PTR, VT_BSTR}},
        {4, "VantrixExt", "method VantrixExt", {"sData", "sVantrixExt"}, {in, out}, {VT_BSTR, VT_PTR, VT_BSTR}},
    };
    ASSERT_EQ(S_OK, info->GetTypeAttr(&attr));
    const WORD functionCount = attr->cFuncs;
    info->ReleaseTypeAttr(attr);
    ASSERT_EQ(4, functionCount);
    for (UINT index = 0; index < functionCount; ++index) {
        FUNCDESC* function = nullptr;
        ASSERT_EQ(S_OK, info->GetFuncDesc(index, &function));
        const MethodShape& shape = shapes[index];  // in declaration order, after IDispatch's
        EXPECT_EQ(shape.id, function->memid);
        EXPECT_EQ(VT_HRESULT, function->elemdescFunc.tdesc.vt) << shape.name;
        ASSERT_EQ(shape.params.size(), size_t(function->cParams)) << shape.name;

        BSTR names[8] = {};
        UINT nameCount = 0;
        ASSERT_EQ(S_OK, info->GetNames(function->memid, names, 8, &nameCount));
        ASSERT_EQ(shape.params.size() + 1, nameCount);
        EXPECT_EQ(shape.name, Text(names[0]));
        ASSERT_EQ(S_OK, info->GetDocumentation(function->memid, nullptr, &help, nullptr, nullptr));
        EXPECT_EQ(shape.help, Text(help)) << shape.name;

        size_t type = 0;
        for (SHORT p = 0; p < function->cParams; ++p) {
            const ELEMDESC& param = function->lprgelemdescParam[p];
            EXPECT_EQ(shape.params[p], Text(names[p + 1])) << shape.name;
            EXPECT_EQ(shape.flags[p], param.paramdesc.wParamFlags & (PARAMFLAG_FIN | PARAMFLAG_FOUT))
                << shape.name << " " << shape.params[p];
            const TYPEDESC* desc = &param.tdesc;
            EXPECT_EQ(shape.types[type++], desc->vt) << shape.name << " " << shape.params[p];
            if (desc->vt == VT_PTR) {
                EXPECT_EQ(shape.types[type++], desc->lptdesc->vt) << shape.name << " " << shape.params[p];
            }
        }
        info->ReleaseFuncDesc(function);
    }
    info->Release();
    lib->Release();
}

TEST(Registration, CanUnloadOnlyWithoutLiveObjects)
{
    EXPECT_EQ(S_OK, CallExport("DllCanUnloadNow"));
    IEncoder* encoder = CreateEncoder();
    ASSERT_NE(nullptr, encoder);
    EXPECT_EQ(S_FALSE, CallExport("DllCanUnloadNow"));
    IEncoder* second = CreateEncoder();
    ASSERT_NE(nullptr, second);
    encoder->Release();
    EXPECT_EQ(S_FALSE, CallExport("DllCanUnloadNow"));
    second->Release();
    EXPECT_EQ(S_OK, CallExport("DllCanUnloadNow"));
}

// Leaves the server registered again for the other tests.
TEST(Registration, UnregisterRemovesClassAndProgIds)
{
    ASSERT_EQ(S_OK, CallExport("DllUnregisterServer"));
    EXPECT_FALSE(KeyExists(kClassKey));
    EXPECT_FALSE(KeyExists("Vantrix.Encoder"));
    EXPECT_FALSE(KeyExists("Vantrix.Encoder.1"));
    EXPECT_TRUE(KeyExists("CLSID"));
    EXPECT_FALSE(KeyExists(std::string("TypeLib\\") + kLibId));
    ITypeLib* lib = nullptr;
    EXPECT_TRUE(FAILED(LoadRegTypeLib(LIBID_VANTRIXLib, 1, 0, kLocale, &lib)));
    CLSID clsid = CLSID_NULL;
    EXPECT_TRUE(FAILED(CLSIDFromProgID(L"Vantrix.Encoder", &clsid)));
    EXPECT_EQ(S_OK, CallExport("DllUnregisterServer"));  // twice is harmless

    ASSERT_EQ(S_OK, CallExport("DllRegisterServer"));
    EXPECT_TRUE(KeyExists(kClassKey));
    IEncoder* encoder = CreateEncoder();
    ASSERT_NE(nullptr, encoder);
    encoder->Release();
}
}  // namespace
