#include <gtest/gtest.h>
#include <climits>
#include <cstring>
#include <string>

#include "ContentModule.h"

namespace {

class Exports : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(m.hModule, nullptr) << "PendrelEn.dll did not load";
        ASSERT_TRUE(m.getContentCount && m.getTopic && m.getKeyword && m.getUrl && m.getDocName && m.loadContents)
            << "an export is missing";
    }

    const ContentModule& m = TheContentModule();
};

TEST_F(Exports, CountIsWrittenThroughThePointerItReturns)
{
    int count = 0;
    EXPECT_EQ(m.getContentCount(&count), &count);
    EXPECT_EQ(count, 23);
}

TEST_F(Exports, TitlesKeywordsAndAddressesPerTopic)
{
    const struct {
        int index;
        const char* title;
        const char* keywords;
        const char* address;
    } cases[] = {
        {0, "After running the installation program", "installation", "res://Pendrelen.dll/1"},
        {1, "10 Code 39 Barcode Fonts", "font Fonts", "res://Pendrelen.dll/2"},
        {5, "Using Vantrix Helper for Office", "Vantrix Helper Office", "res://Pendrelen.dll/6"},
        // Each topic has its own keywords: the Word macro page, then the Word FAQ...
        {6, "How to using VBA file", "VBA Word macro", "res://Pendrelen.dll/7"},
        {7, "Frequently Asked Questions", "FAQ Frequently Asked Questions", "res://Pendrelen.dll/8"},
        {8, "How to insert a barcode in Excel", "Excel", "res://Pendrelen.dll/9"},
        {11, "How to using VBA file", "VBA Access", "res://Pendrelen.dll/12"},
        {16, "Tolvek Glyphora Developer Edition", "Tolvek Glyphora Developer Edition", "res://Pendrelen.dll/17"},
        {17, "How to obtain the Developer Edition", "obtain order upgrade Developer Edition", "res://Pendrelen.dll/18"},
        {21, "Frequently Asked Questions", "FAQ Frequently Asked Questions", "res://Pendrelen.dll/22"},
        // ... and the last topic its own, not the document title.
        {22, "Information on editions and upgrading", "Information on editions and upgrading",
         "res://Pendrelen.dll/23"},
        // Outside the table: an empty text.
        {-1, "", "", ""},
        {23, "", "", ""},
        {1000, "", "", ""},
        {INT_MIN, "", "", ""},
        {INT_MAX, "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        char buffer[256];
        memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(m.getTopic(c.index, buffer), static_cast<int>(strlen(c.title)));
        EXPECT_STREQ(buffer, c.title);
        memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(m.getKeyword(c.index, buffer), static_cast<int>(strlen(c.keywords)));
        EXPECT_STREQ(buffer, c.keywords);
        memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(m.getUrl(c.index, buffer), static_cast<int>(strlen(c.address)));
        EXPECT_STREQ(buffer, c.address);
    }
}

TEST_F(Exports, EveryTopicHasATitleAndKeywordsButNotTheDocumentTitle)
{
    for (int e = 0; e < 23; ++e) {
        SCOPED_TRACE(e);
        EXPECT_FALSE(TextOf(m.getTopic, e).empty());
        EXPECT_FALSE(TextOf(m.getKeyword, e).empty());
        EXPECT_NE(TextOf(m.getKeyword, e), "Tolvek Glyphora Help");
    }
}

TEST_F(Exports, DocumentName)
{
    char buffer[256];
    memset(buffer, 'x', sizeof buffer);
    m.getDocName(buffer);
    EXPECT_STREQ(buffer, "Tolvek Glyphora Help");
}

TEST_F(Exports, NullArgumentsAreRefused)
{
    EXPECT_EQ(m.getContentCount(nullptr), nullptr);
    EXPECT_EQ(m.getTopic(0, nullptr), 0);
    EXPECT_EQ(m.getKeyword(0, nullptr), 0);
    EXPECT_EQ(m.getUrl(0, nullptr), 0);
    m.getDocName(nullptr);
    EXPECT_FALSE(m.loadContents(nullptr));
}

}  // namespace
