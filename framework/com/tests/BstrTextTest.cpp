#include "com/BstrText.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Bytes(const CString& text)
{
    return std::string(text.GetString(), static_cast<std::size_t>(text.GetLength()));
}
}  // namespace

TEST(BstrText, NullIsEmptyAndLengthsSurvive)
{
    EXPECT_EQ("", Bytes(CBstrText::ToAnsi(nullptr)));

    CString all;
    for (int c = 0; c < 128; ++c)
        all += static_cast<char>(c);
    ASSERT_EQ(128, all.GetLength());
    BSTR text = CBstrText::FromAnsi(all);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(128u, SysStringLen(text));
    EXPECT_EQ(Bytes(all), Bytes(CBstrText::ToAnsi(text))) << "the zero and every other ASCII code come back";
    SysFreeString(text);

    BSTR empty = CBstrText::FromAnsi("");
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(0u, SysStringLen(empty));
    SysFreeString(empty);
}
