// CalcCheckSum, Vantrix and VantrixExt through the vtable and through
// IDispatch, as a macro with typed variables calls them.

#include "VantrixTestSupport.h"

#include <gtest/gtest.h>

using namespace VantrixTest;

namespace {
const wchar_t kNull[] = L"<null BSTR>";

struct MethodCase {
    const wchar_t* method;
    std::wstring input;  // kNull: a null BSTR, as macros pass for ""
    std::string expected;
};

typedef HRESULT (STDMETHODCALLTYPE IEncoder::*StringMethod)(BSTR, BSTR*);

StringMethod VtableMethod(const std::wstring& name)
{
    if (name == L"CalcCheckSum")
        return &IEncoder::CalcCheckSum;
    if (name == L"Vantrix")
        return &IEncoder::Vantrix;
    return &IEncoder::VantrixExt;
}

BSTR MakeInput(const std::wstring& input)
{
    if (input == kNull)
        return nullptr;
    return SysAllocStringLen(input.data(), static_cast<UINT>(input.size()));
}

std::string Describe(const MethodCase& c)
{
    BSTR text = MakeInput(c.input);
    std::string input = c.input == kNull ? "<null>" : VantrixTest::Ansi(text);
    SysFreeString(text);
    if (input.size() > 40)
        input = input.substr(0, 40) + "... (" + std::to_string(c.input.size()) + " characters)";
    return std::string(c.method, c.method + wcslen(c.method)) + "(\"" + input + "\")";
}

std::vector<MethodCase> Cases()
{
    const std::wstring longLower(100000, L'a');
    return {
        // Check character: sums 9, 38, 0 mod 43; frames, blanks, bad characters.
        {L"CalcCheckSum", L"9", "9"},
        {L"CalcCheckSum", L"45", "9"},
        {L"CalcCheckSum", L"Z3", "_"},
        {L"CalcCheckSum", L"%1", "0"},
        {L"CalcCheckSum", L"ABC", "X"},
        {L"CalcCheckSum", L"(ABC)", "X"},
        {L"CalcCheckSum", L"*ABC*", "X"},
        {L"CalcCheckSum", L"{ABC}", "X"},
        {L"CalcCheckSum", L"ABC  \r\n \n", "X"},
        {L"CalcCheckSum", L"A B", "G"},  // space and "_" both count 38
        {L"CalcCheckSum", L"A_B", "G"},
        {L"CalcCheckSum", L"abc", ""},
        {L"CalcCheckSum", L"AB*", ""},
        {L"CalcCheckSum", L"(ABC", ""},
        {L"CalcCheckSum", L"(", ""},
        {L"CalcCheckSum", L"()", ""},
        {L"CalcCheckSum", L"*", ""},
        {L"CalcCheckSum", L"  \r\n", ""},
        {L"CalcCheckSum", L"", ""},
        {L"CalcCheckSum", kNull, ""},
        {L"CalcCheckSum", L"A\u00e9", ""},
        {L"CalcCheckSum", std::wstring(L"A\0B", 3), ""},
        {L"CalcCheckSum", std::wstring(100000, L'A'), "Z"},  // 1,000,000 mod 43 = 35
        // Plain Code 39: upper case, "_" for a space, own frame or "[" "]".
        {L"Vantrix", L"abc", "[ABC]"},
        {L"Vantrix", L"(abc)", "(ABC)"},
        {L"Vantrix", L"[abc]", "[ABC]"},
        {L"Vantrix", L"*A B*", "*A_B*"},
        {L"Vantrix", L"|1|", "|1|"},
        {L"Vantrix", L"{x}", "{X}"},
        {L"Vantrix", L"#$%+-./#", "#$%+-./#"},
        {L"Vantrix", L"A_B", "error"},
        {L"Vantrix", L"a*b", "error"},
        {L"Vantrix", L"(abc", "error"},
        {L"Vantrix", L"()", "error"},
        {L"Vantrix", L"*", "error"},
        {L"Vantrix", L"", "error"},
        {L"Vantrix", kNull, "error"},
        {L"Vantrix", L"\u00e9", "error"},
        {L"Vantrix", std::wstring(L"A\0B", 3), "error"},
        {L"Vantrix", longLower, "[" + std::string(100000, 'A') + "]"},
        // Full ASCII: the form alone, empty on an unclosed token or a lone ">".
        {L"VantrixExt", L"a", "+A"},
        {L"VantrixExt", L"<CR>", "$M"},
        {L"VantrixExt", L"a<CR>", "+A$M"},
        {L"VantrixExt", L"(abc)", "/H+A+B+C/I"},
        {L"VantrixExt", L"Hi there!", "H+I_+T+H+E+R+E/A"},
        {L"VantrixExt", L"<XX>a", "+A"},
        {L"VantrixExt", L"\u00e91", "1"},
        {L"VantrixExt", std::wstring(L"A\0B", 3), "AB"},
        {L"VantrixExt", L"<CR", ""},
        {L"VantrixExt", L"a>", ""},
        {L"VantrixExt", L"", ""},
        {L"VantrixExt", kNull, ""},
        {L"VantrixExt", longLower,
         [] {
             std::string form;
             for (int i = 0; i < 100000; ++i)
                 form += "+A";
             return form;
         }()},
    };
}

class EncoderMethodsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_encoder = CreateEncoder();
        ASSERT_NE(nullptr, m_encoder);
    }
    void TearDown() override
    {
        if (m_encoder)
            m_encoder->Release();
    }

    IEncoder* m_encoder = nullptr;
};

TEST_F(EncoderMethodsTest, ThroughTheVtable)
{
    for (const MethodCase& c : Cases()) {
        BSTR input = MakeInput(c.input);
        BSTR output = nullptr;
        EXPECT_EQ(S_OK, (m_encoder->*VtableMethod(c.method))(input, &output)) << Describe(c);
        EXPECT_NE(nullptr, output) << Describe(c);
        EXPECT_EQ(c.expected, VantrixTest::Ansi(output)) << Describe(c);
        SysFreeString(output);
        SysFreeString(input);
    }
}

TEST_F(EncoderMethodsTest, ThroughIDispatchByReference)
{
    for (const MethodCase& c : Cases()) {
        BSTR output = nullptr;
        std::vector<VARIANTARG> args(2);
        args[0].vt = VT_BSTR;
        args[0].bstrVal = MakeInput(c.input);
        args[1].vt = VT_BYREF | VT_BSTR;
        args[1].pbstrVal = &output;
        EXPECT_EQ(S_OK, CDispatchCaller::CallByName(m_encoder, c.method, args)) << Describe(c);
        EXPECT_EQ(c.expected, VantrixTest::Ansi(output)) << Describe(c);
        SysFreeString(output);
        SysFreeString(args[0].bstrVal);
    }
}

// A macro passes a string variable by reference, a literal by value.
TEST_F(EncoderMethodsTest, InputVariableByReference)
{
    BSTR input = SysAllocString(L"a b");
    BSTR output = nullptr;
    std::vector<VARIANTARG> args(2);
    args[0].vt = VT_BYREF | VT_BSTR;
    args[0].pbstrVal = &input;
    args[1].vt = VT_BYREF | VT_BSTR;
    args[1].pbstrVal = &output;
    EXPECT_EQ(S_OK, CDispatchCaller::CallByName(m_encoder, L"Vantrix", args));
    EXPECT_EQ("[A_B]", VantrixTest::Ansi(output));
    EXPECT_EQ("a b", VantrixTest::Ansi(input));
    SysFreeString(output);
    SysFreeString(input);
}

TEST_F(EncoderMethodsTest, NamesAndNullOutputs)
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"CalcCheckSum"), const_cast<LPOLESTR>(L"InsertBarcode"),
                        const_cast<LPOLESTR>(L"Vantrix"), const_cast<LPOLESTR>(L"VantrixExt")};
    for (DISPID expected = 1; expected <= 4; ++expected) {
        DISPID id = 0;
        EXPECT_EQ(S_OK, m_encoder->GetIDsOfNames(IID_NULL, &names[expected - 1], 1, LOCALE_USER_DEFAULT, &id));
        EXPECT_EQ(expected, id);
    }
    LPOLESTR unknown = const_cast<LPOLESTR>(L"Encode");
    DISPID id = 0;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, m_encoder->GetIDsOfNames(IID_NULL, &unknown, 1, LOCALE_USER_DEFAULT, &id));

    // A missing output is refused, never written through.
    BSTR input = SysAllocString(L"abc");
    EXPECT_EQ(E_POINTER, m_encoder->CalcCheckSum(input, nullptr));
    EXPECT_EQ(E_POINTER, m_encoder->Vantrix(input, nullptr));
    EXPECT_EQ(E_POINTER, m_encoder->VantrixExt(input, nullptr));
    SysFreeString(input);
}
}  // namespace
