#include "VantrixTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace VantrixTest {
namespace {
std::string g_installFolder;
std::string g_workFolder;
HMODULE g_module = nullptr;

typedef HRESULT(STDAPICALLTYPE* ServerFunction)();

HRESULT CallServerExport(const char* name)
{
    const auto function = reinterpret_cast<ServerFunction>(reinterpret_cast<void*>(GetProcAddress(g_module, name)));
    return function ? function() : E_FAIL;
}

std::string MakeTempFolder(const char* prefix)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + prefix + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

class VantrixEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        // Freed strings go straight back to the task allocator, where the
        // tests can see them.
        typedef void(WINAPI * NoCacheFunction)();
        const auto noCache = reinterpret_cast<NoCacheFunction>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("oleaut32.dll"), "SetOaNoCache")));
        ASSERT_NE(nullptr, noCache);
        noCache();
        g_installFolder = MakeTempFolder("GlyphoraVantrixInstall");
        g_workFolder = MakeTempFolder("GlyphoraVantrixWork");
        // Nothing in the current folder may stand in for the dialog module.
        SetCurrentDirectoryA(g_workFolder.c_str());
        const std::string built = ProgramFile("..\\Vantrix.dll");
        ASSERT_TRUE(CopyFileA(built.c_str(), VantrixPath().c_str(), FALSE)) << built;
        g_module = LoadLibraryA(VantrixPath().c_str());
        ASSERT_NE(nullptr, g_module);
        ASSERT_EQ(S_OK, CallServerExport("DllRegisterServer"));
    }

    void TearDown() override
    {
        EXPECT_EQ(S_OK, CallServerExport("DllUnregisterServer"));
        CoUninitialize();
        SetCurrentDirectoryA(ProgramFolder().c_str());
        FreeLibrary(g_module);
        RemoveFile(VantrixPath());
        RemoveDirectoryA(g_installFolder.c_str());
        RemoveDirectoryA(g_workFolder.c_str());
    }
};

::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new VantrixEnvironment);
}  // namespace

std::string InstallFolder()
{
    return g_installFolder;
}

std::string VantrixPath()
{
    return g_installFolder + "\\Vantrix.dll";
}

HMODULE VantrixModule()
{
    return g_module;
}

void PlaceFile(const std::string& sourceName, const std::string& target)
{
    const std::string source = ProgramFolder() + sourceName;
    ASSERT_TRUE(CopyFileA(source.c_str(), target.c_str(), FALSE)) << source << " -> " << target;
}

void RemoveFile(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

IEncoder* CreateEncoder()
{
    CLSID clsid = CLSID_NULL;
    if (FAILED(CLSIDFromProgID(L"Vantrix.Encoder", &clsid)))
        return nullptr;
    IEncoder* encoder = nullptr;
    if (FAILED(
            CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IEncoder, reinterpret_cast<void**>(&encoder))))
        return nullptr;
    return encoder;
}

std::string Ansi(BSTR text)
{
    const CString ansi = CBstrText::ToAnsi(text);
    return std::string(ansi.GetString(), static_cast<std::size_t>(ansi.GetLength()));
}

}  // namespace VantrixTest
