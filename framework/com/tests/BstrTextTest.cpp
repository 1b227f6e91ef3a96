#include "com/BstrText.h"

#include <gtest/gtest.h>

TEST(BstrText, NullIsEmptyAndLengthsSurvive)
{
    EXPECT_EQ("", CBstrText::ToAnsi(nullptr));

    std::string all;
    for (int c = 0; c < 128; ++c)
        all += static_cast<char>(c);
    BSTR text = CBstrText::FromAnsi(all);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(128u, SysStringLen(text));
    EXPECT_EQ(all, CBstrText::ToAnsi(text));
    SysFreeString(text);

    BSTR empty = CBstrText::FromAnsi("");
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(0u, SysStringLen(empty));
    SysFreeString(empty);
}
