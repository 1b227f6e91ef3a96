// The settings file on the real file system: defaults, round trip, damaged and odd files.
#include "ModulePathSeam.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

BarcodeSettings Defaults()
{
    BarcodeSettings s;
    std::memset(&s, 0, sizeof s);
    CSettingsFile::SetDefaults(s);
    return s;
}

bool SameRecord(const BarcodeSettings& a, const BarcodeSettings& b)
{
    // The tag's bytes after its zero carry no meaning.
    return a.humanReadable == b.humanReadable && a.checkCharacter == b.checkCharacter && a.fullAscii == b.fullAscii &&
        a.copyFontInfo == b.copyFontInfo && std::strcmp(a.tag, b.tag) == 0 && a.startStopIndex == b.startStopIndex &&
        a.sizeIndex == b.sizeIndex && a.pointSizeIndex == b.pointSizeIndex && a.viewIndex == b.viewIndex &&
        a.colour == b.colour;
}

BarcodeSettings Custom()
{
    BarcodeSettings s = Defaults();
    s.humanReadable = 0;
    s.checkCharacter = 0;
    s.fullAscii = 1;
    s.copyFontInfo = 0;
    s.startStopIndex = 1;
    s.sizeIndex = 4;
    s.pointSizeIndex = 20;
    s.viewIndex = 2;
    s.colour = 0x00123456;
    return s;
}

std::vector<char> Bytes(const BarcodeSettings& s, size_t size)
{
    std::vector<char> bytes(size, 0x55);
    std::memcpy(bytes.data(), &s, size < sizeof s ? size : sizeof s);
    return bytes;
}

}  // namespace

TEST(SettingsFile, FirstRunGivesTheDefaultsAndCreatesAnEmptyFile)
{
    TestFolder folder;
    const std::string path = folder.File("tolvekvantrix.dat");
    BarcodeSettings s;
    std::memset(&s, 0x7F, sizeof s);
    CSettingsFile(path.c_str()).Load(s);

    EXPECT_EQ(s.humanReadable, 1);
    EXPECT_EQ(s.checkCharacter, 1);
    EXPECT_EQ(s.fullAscii, 1);
    EXPECT_EQ(s.copyFontInfo, 1);
    EXPECT_STREQ(s.tag, "VANTRIX_TAG");
    EXPECT_EQ(s.startStopIndex, 4);
    EXPECT_EQ(s.sizeIndex, 2);
    EXPECT_EQ(s.pointSizeIndex, 9);
    EXPECT_EQ(s.viewIndex, 0);
    EXPECT_EQ(s.colour, 0u);
    ASSERT_TRUE(folder.Exists("tolvekvantrix.dat"));
    EXPECT_EQ(folder.Read("tolvekvantrix.dat").size(), 0u);
}

TEST(SettingsFile, SaveWritesTheRecordByteForByteAndLoadReadsItBack)
{
    TestFolder folder;
    const std::string path = folder.File("tolvekvantrix.dat");
    const BarcodeSettings saved = Custom();
    ASSERT_TRUE(CSettingsFile(path.c_str()).Save(saved));

    std::vector<char> bytes = folder.Read("tolvekvantrix.dat");
    ASSERT_EQ(bytes.size(), 56u);
    EXPECT_EQ(std::memcmp(bytes.data(), &saved, 56), 0);

    BarcodeSettings loaded;
    CSettingsFile(path.c_str()).Load(loaded);
    EXPECT_TRUE(SameRecord(loaded, saved));

    // Saving again truncates rather than appends.
    ASSERT_TRUE(CSettingsFile(path.c_str()).Save(Defaults()));
    EXPECT_EQ(folder.Read("tolvekvantrix.dat").size(), 56u);
}

TEST(SettingsFile, FileContentsTable)
{
    BarcodeSettings wrongCase = Custom();
    std::memcpy(wrongCase.tag, "Vantrix_Tag", 12);

    BarcodeSettings shortExpected = Defaults();  // 40 bytes cover flags, tag, start/stop
    shortExpected.humanReadable = 0;
    shortExpected.checkCharacter = 0;
    shortExpected.copyFontInfo = 0;
    shortExpected.startStopIndex = 1;

    BarcodeSettings outOfRange = Custom();
    outOfRange.startStopIndex = 6;
    outOfRange.sizeIndex = -1;
    outOfRange.pointSizeIndex = 21;
    outOfRange.viewIndex = 3;
    BarcodeSettings outOfRangeExpected = Custom();
    outOfRangeExpected.startStopIndex = 4;
    outOfRangeExpected.sizeIndex = 2;
    outOfRangeExpected.pointSizeIndex = 9;
    outOfRangeExpected.viewIndex = 0;

    BarcodeSettings lastInRange = Custom();
    lastInRange.startStopIndex = 5;
    lastInRange.sizeIndex = 0;
    lastInRange.pointSizeIndex = 0;
    lastInRange.viewIndex = 2;

    struct Row {
        const char* name;
        std::vector<char> contents;
        BarcodeSettings expected;
    } rows[] = {
        {"tag differing in case alone", Bytes(wrongCase, 56), Defaults()},
        {"empty file", {}, Defaults()},
        {"short file with a valid tag", Bytes(Custom(), 40), shortExpected},
        {"long file", Bytes(Custom(), 80), Custom()},
        {"indexes out of range", Bytes(outOfRange, 56), outOfRangeExpected},
        {"indexes at their limits", Bytes(lastInRange, 56), lastInRange},
        {"random bytes", std::vector<char>(56, 'V'), Defaults()},
    };
    for (const Row& row : rows) {
        TestFolder folder;
        folder.Write("tolvekvantrix.dat", row.contents);
        BarcodeSettings loaded;
        std::memset(&loaded, 0x33, sizeof loaded);
        CSettingsFile(folder.File("tolvekvantrix.dat").c_str()).Load(loaded);
        EXPECT_TRUE(SameRecord(loaded, row.expected)) << row.name;
        EXPECT_EQ(folder.Read("tolvekvantrix.dat"), row.contents) << row.name << ": load wrote";
    }
}

TEST(SettingsFile, UnwritableLocationLeavesTheDefaultsAndSaveFailsQuietly)
{
    TestFolder folder;
    // A folder that does not exist: the file can be neither opened nor created.
    const std::string path = folder.File("missing\\tolvekvantrix.dat");
    BarcodeSettings s = Custom();
    CSettingsFile(path.c_str()).Load(s);
    EXPECT_TRUE(SameRecord(s, Defaults()));
    EXPECT_FALSE(CSettingsFile(path.c_str()).Save(Custom()));
}

TEST(SettingsFile, DefaultPathIsBesideTheModuleThatHoldsTheCode)
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string expected(exe);
    expected = expected.substr(0, expected.find_last_of('\\') + 1) + "tolvekvantrix.dat";
    EXPECT_STREQ(CSettingsFile().GetPath().c_str(), expected.c_str());
}

TEST(SettingsFile, WithoutAModulePathNothingIsReadOrWrittenInTheCurrentFolder)
{
    // The host's current folder holds a settings file that is none of the module's business.
    TestFolder hostFolder;
    const std::vector<char> hostFile = Bytes(Custom(), 56);
    hostFolder.Write("tolvekvantrix.dat", hostFile);
    CurrentFolder current(hostFolder.Path());
    struct Row {
        CSettingsFile::ModuleFileNameFn moduleFileName;
        const char* name;
    } rows[] = {
        {&NoModulePath, "no module path"},
        {&TruncatedModulePath, "module path too long"},
        {&ModuleNameWithoutFolder, "no folder"},
        {&FolderTooDeepForTheSettingsFile, "no room for the file name"},
    };
    for (const Row& row : rows) {
        ModulePathSeam seam(row.moduleFileName);
        const CSettingsFile file;
        EXPECT_EQ(file.GetPath(), "") << row.name;
        BarcodeSettings loaded;
        std::memset(&loaded, 0x33, sizeof loaded);
        file.Load(loaded);
        EXPECT_TRUE(SameRecord(loaded, Defaults())) << row.name;
        EXPECT_FALSE(file.Save(Defaults())) << row.name;
        EXPECT_EQ(hostFolder.Read("tolvekvantrix.dat"), hostFile) << row.name;
    }
}
