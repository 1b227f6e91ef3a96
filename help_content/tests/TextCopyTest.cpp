#include "TextCopy.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

// The viewer's buffer, followed by bytes the copy must never touch.
struct GuardedBuffer {
    char text[256];
    char guard[16];
};

TEST(TextCopy, CopiesWholeTextsAndCutsLongOnesToTheViewerBuffer)
{
    const struct {
        size_t length;
        int copied;
    } cases[] = {{0, 0}, {1, 1}, {254, 254}, {255, 255}, {256, 255}, {1000, 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'k');
        GuardedBuffer buffer;
        memset(&buffer, '#', sizeof buffer);

        EXPECT_EQ(CopyToViewerBuffer(text.c_str(), buffer.text), c.copied);
        EXPECT_EQ(std::string(buffer.text), text.substr(0, c.copied));
        EXPECT_EQ(std::string(buffer.guard, sizeof buffer.guard), std::string(sizeof buffer.guard, '#'));
    }
}

TEST(TextCopy, NullTextCopiesAnEmptyStringAndNullBufferIsLeftAlone)
{
    char buffer[4] = "abc";
    EXPECT_EQ(CopyToViewerBuffer(nullptr, buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(CopyToViewerBuffer("text", nullptr), 0);
}
