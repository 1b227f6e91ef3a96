// The "/doc=" switch read from the raw command line, and the framework's view of the same line.
#include "HelpCommandLineInfo.h"
#include "ViewerCommandLine.h"
#include "ViewerTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(ViewerCommandLine, SwitchNameAndTopic)
{
    const struct {
        const char* line;
        bool hasSwitch;
        const char* fileName;
        int topic;
    } rows[] = {
        {"/doc=PendrelEn:5", true, "pendrelen.dll", 5},
        {"/DOC=PendrelEn:1", true, "pendrelen.dll", 1},
        {" \t /doc=PendrelEn \t ", true, "pendrelen.dll", 0},
        {"/doc=ab:3", true, "ab.dll", 3},
        {"/doc=name:x", true, "name.dll", 0},
        {"/doc=name:12abc", true, "name.dll", 12},
        {"/doc=name: +7", true, "name.dll", 7},
        {"xx /doc=n:2", true, "n.dll", 2},
        {"/doc=n extra", true, "n extra.dll", 0},
        {"/doc=", true, ".dll", 0},
        {"/doc=n:-3", true, "n.dll", -3},
        {"/doc=n:99999999999999999999", true, "n.dll", INT_MAX},
        {"/doc=n:-99999999999999999999", true, "n.dll", INT_MIN},
        {"/doc=n:2147483648", true, "n.dll", INT_MAX},
        {"/doc=n:-2147483648", true, "n.dll", INT_MIN},
        {"", false, "", 0},
        {"pendrelen:5", false, "", 0},
    };
    for (const auto& row : rows) {
        const ViewerCommandLine parsed = ParseViewerCommandLine(row.line);
        EXPECT_EQ(parsed.hasSwitch, row.hasSwitch) << '"' << row.line << '"';
        EXPECT_STREQ(parsed.fileName, row.fileName) << '"' << row.line << '"';
        EXPECT_EQ(parsed.startTopic, row.topic) << '"' << row.line << '"';
    }
    EXPECT_FALSE(ParseViewerCommandLine(nullptr).hasSwitch);
}

// The framework's parser takes a plain word for a file to open; the viewer's makes a new
// document whatever the line holds.
TEST(ViewerCommandLine, PlainWordsOpenNoDocument)
{
    char line[] = "xx /doc=n:2 more";
    LPSTR saved = theApp.m_lpCmdLine;
    theApp.m_lpCmdLine = line;

    CCommandLineInfo plain;
    theApp.ParseCommandLine(plain);
    EXPECT_EQ(plain.m_nShellCommand, CCommandLineInfo::FileOpen);  // what the viewer must not do

    CHelpCommandLineInfo viewer;
    theApp.ParseCommandLine(viewer);
    EXPECT_EQ(viewer.m_nShellCommand, CCommandLineInfo::FileNew);
    EXPECT_TRUE(viewer.m_strFileName.IsEmpty());
    theApp.m_lpCmdLine = saved;
}
