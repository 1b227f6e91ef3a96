// InsertBarcode with no dialog module, with a fake one, and the ownership of
// the strings a caller passes in.

#include "FakeDialogProtocol.h"
#include "MallocSpy.h"
#include "VantrixTestSupport.h"

#include <gtest/gtest.h>

using namespace VantrixTest;

namespace {
const char kFakeModule[] = "fake_dialog.dll";
const char kDialogModule[] = "TolvekDravel.dll";
const long kCallerColour = 0x00ABCDEF;

struct InsertResult {
    HRESULT hr = E_FAIL;
    BSTR encoded = nullptr;
    BSTR font = nullptr;
    long size = 0;
    long colour = kCallerColour;

    ~InsertResult()
    {
        SysFreeString(encoded);
        SysFreeString(font);
    }
};

std::string Environment(const char* name)
{
    char value[MAX_PATH] = "";
    GetEnvironmentVariableA(name, value, MAX_PATH);
    return value;
}

class InsertBarcodeTest : public ::testing::Test {
public:
    void SetUp() override
    {
        m_encoder = CreateEncoder();
        ASSERT_NE(nullptr, m_encoder);
        SetEnvironmentVariableA(kFakeZeroedVariable, nullptr);
        SetEnvironmentVariableA(kFakePathVariable, nullptr);
    }
    void TearDown() override
    {
        if (m_encoder)
            m_encoder->Release();
        RemoveFile(BesideVantrix());
        RemoveFile(BesideProgram());
        SetEnvironmentVariableA(kFakeModeVariable, nullptr);
    }

    static std::string BesideVantrix() { return InstallFolder() + "\\" + kDialogModule; }
    static std::string BesideProgram() { return ProgramFile(kDialogModule); }

    void InstallFake(const char* mode)
    {
        PlaceFile(kFakeModule, BesideVantrix());
        SetEnvironmentVariableA(kFakeModeVariable, mode);
    }

    void CallVtable(InsertResult& r) { r.hr = m_encoder->InsertBarcode(&r.encoded, &r.font, &r.size, &r.colour); }

    void CallDispatch(InsertResult& r)
    {
        std::vector<VARIANTARG> args(4);
        args[0].vt = VT_BYREF | VT_BSTR;
        args[0].pbstrVal = &r.encoded;
        args[1].vt = VT_BYREF | VT_BSTR;
        args[1].pbstrVal = &r.font;
        args[2].vt = VT_BYREF | VT_I4;
        args[2].plVal = &r.size;
        args[3].vt = VT_BYREF | VT_I4;
        args[3].plVal = &r.colour;
        r.hr = CDispatchCaller::CallByName(m_encoder, L"InsertBarcode", args);
    }

    void ExpectCleared(void (InsertBarcodeTest::*call)(InsertResult&), const char* what)
    {
        InsertResult r;
        (this->*call)(r);
        EXPECT_EQ(S_OK, r.hr) << what;
        EXPECT_EQ(nullptr, r.encoded) << what;
        EXPECT_EQ(nullptr, r.font) << what;
        EXPECT_EQ(-1, r.size) << what;
        EXPECT_EQ(kCallerColour, r.colour) << what;
    }

    void ExpectInserted(void (InsertBarcodeTest::*call)(InsertResult&), const char* what)
    {
        InsertResult r;
        (this->*call)(r);
        EXPECT_EQ(S_OK, r.hr) << what;
        EXPECT_EQ(kInsertText, VantrixTest::Ansi(r.encoded)) << what;
        EXPECT_EQ(kInsertFont, VantrixTest::Ansi(r.font)) << what;
        EXPECT_EQ(kInsertSize, r.size) << what;
        EXPECT_EQ(long(kInsertColour), r.colour) << what;
        EXPECT_EQ("1", Environment(kFakeZeroedVariable)) << what << ": the record reached the dialog zeroed";
    }

    IEncoder* m_encoder = nullptr;
};

TEST_F(InsertBarcodeTest, WithoutDialogModuleOutputsStayCleared)
{
    ExpectCleared(&InsertBarcodeTest::CallVtable, "vtable");
    ExpectCleared(&InsertBarcodeTest::CallDispatch, "IDispatch");
}

TEST_F(InsertBarcodeTest, ModuleWithoutLoadDialogOutputsStayCleared)
{
    PlaceFile("..\\Vantrix.dll", BesideVantrix());
    ExpectCleared(&InsertBarcodeTest::CallVtable, "vtable");
    ExpectCleared(&InsertBarcodeTest::CallDispatch, "IDispatch");
}

TEST_F(InsertBarcodeTest, InsertedRecordReachesTheOutputs)
{
    InstallFake(kModeInsert);
    ExpectInserted(&InsertBarcodeTest::CallVtable, "vtable");
    ExpectInserted(&InsertBarcodeTest::CallDispatch, "IDispatch");
}

TEST_F(InsertBarcodeTest, ClosedOrFailedDialogLeavesOutputsCleared)
{
    for (const char* mode : {kModeClose, kModeFail}) {
        InstallFake(mode);
        ExpectCleared(&InsertBarcodeTest::CallVtable, mode);
        ExpectCleared(&InsertBarcodeTest::CallDispatch, mode);
    }
}

TEST_F(InsertBarcodeTest, FieldsAreReadWithinTheirBounds)
{
    InstallFake(kModeFull);
    InsertResult r;
    CallVtable(r);
    EXPECT_EQ(S_OK, r.hr);
    EXPECT_EQ(std::string(255, 'A'), VantrixTest::Ansi(r.encoded));
    EXPECT_EQ(std::string(53, 'B'), VantrixTest::Ansi(r.font));
    EXPECT_EQ(7, r.size);
    EXPECT_EQ(1, r.colour);
}

// The product installs the dialog module beside Vantrix.dll: that copy wins
// over one in the host program's folder, which the usual search still finds
// when there is none beside Vantrix.dll.
TEST_F(InsertBarcodeTest, DialogModuleBesideVantrixComesFirst)
{
    SetEnvironmentVariableA(kFakeModeVariable, kModeInsert);
    PlaceFile(kFakeModule, BesideProgram());
    ExpectInserted(&InsertBarcodeTest::CallVtable, "host folder only");
    EXPECT_EQ(lstrcmpiA(BesideProgram().c_str(), Environment(kFakePathVariable).c_str()), 0)
        << Environment(kFakePathVariable);

    PlaceFile(kFakeModule, BesideVantrix());
    ExpectInserted(&InsertBarcodeTest::CallVtable, "both folders");
    EXPECT_EQ(lstrcmpiA(BesideVantrix().c_str(), Environment(kFakePathVariable).c_str()), 0)
        << Environment(kFakePathVariable);
}

// Whatever a caller's output variables hold on entry is the caller's: no
// method frees it (a macro's runtime frees it itself).
TEST_F(InsertBarcodeTest, IncomingOutputStringsAreNotFreed)
{
    InstallFake(kModeInsert);
    BSTR callerEncoded = SysAllocString(L"the caller's text");
    BSTR callerFont = SysAllocString(L"the caller's font");
    BSTR callerCheck = SysAllocString(L"the caller's check");
    BSTR input = SysAllocString(L"abc");
    {
        CMallocSpy spy;
        // Positive control: the spy sees a string being freed.
        BSTR probe = SysAllocString(L"probe");
        SysFreeString(probe);
        ASSERT_TRUE(spy.WasFreed(probe)) << "the task allocator is not observable here";
        spy.Clear();

        BSTR encoded = callerEncoded;
        BSTR font = callerFont;
        long size = 0;
        long colour = 0;
        EXPECT_EQ(S_OK, m_encoder->InsertBarcode(&encoded, &font, &size, &colour));
        EXPECT_FALSE(spy.WasFreed(callerEncoded)) << "sEncoded";
        EXPECT_FALSE(spy.WasFreed(callerFont)) << "sFont";
        EXPECT_EQ(kInsertFont, VantrixTest::Ansi(font));
        SysFreeString(encoded);
        SysFreeString(font);
        spy.Clear();

        typedef HRESULT (STDMETHODCALLTYPE IEncoder::*StringMethod)(BSTR, BSTR*);
        for (StringMethod method : {&IEncoder::CalcCheckSum, &IEncoder::Vantrix, &IEncoder::VantrixExt}) {
            BSTR output = callerCheck;
            EXPECT_EQ(S_OK, (m_encoder->*method)(input, &output));
            EXPECT_FALSE(spy.WasFreed(callerCheck));
            EXPECT_NE(callerCheck, output);
            SysFreeString(output);
            spy.Clear();
        }
    }
    SysFreeString(callerEncoded);
    SysFreeString(callerFont);
    SysFreeString(callerCheck);
    SysFreeString(input);
}
}  // namespace
