// The scan of a folder for content modules: only modules exporting the title function are
// listed, and only those are ever loaded; files that are no modules, sub-folders and paths
// too long for the buffer are passed over.
#include "DocumentationScan.h"
#include "ModuleExportProbe.h"
#include "ViewerTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// A folder of candidates beside the test program, made afresh.
class ScanFolder {
public:
    explicit ScanFolder(const char* name) : m_path(ProgramFolder() + name)
    {
        Remove();
        ::CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~ScanFolder() { Remove(); }
    ScanFolder(const ScanFolder&) = delete;
    ScanFolder& operator=(const ScanFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    bool Copy(const char* module, const std::string& name) const
    {
        return ::CopyFileA((ProgramFolder() + module).c_str(), File(name).c_str(), FALSE) != FALSE;
    }
    bool Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream file(File(name), std::ios::binary);
        file << bytes;
        return bool(file);
    }

private:
    void Remove() const
    {
        WIN32_FIND_DATAA found;
        HANDLE find = ::FindFirstFileA((m_path + "\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string entry = m_path + "\\" + found.cFileName;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    ::RemoveDirectoryA(entry.c_str());
                else
                    ::DeleteFileA(entry.c_str());
            } while (::FindNextFileA(find, &found));
            ::FindClose(find);
        }
        ::RemoveDirectoryA(m_path.c_str());
    }

    std::string m_path;
};

std::set<std::pair<std::string, std::string>> Listed(const std::vector<DocumentationEntry>& entries)
{
    std::set<std::pair<std::string, std::string>> listed;
    for (const DocumentationEntry& entry : entries)
        listed.insert({std::string(entry.title), std::string(entry.fileName)});
    return listed;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(DocumentationScan, ListsOnlyExportersAndLoadsOnlyThem)
{
    ScanFolder folder("scan");
    ASSERT_TRUE(folder.Copy("HvDocA.dll", "HvDocA.dll"));
    ASSERT_TRUE(folder.Copy("HvDocB.dll", "HvDocB.dll"));
    ASSERT_TRUE(folder.Copy("HvDocC.dll", "HvDocC.dll"));
    ASSERT_TRUE(folder.Copy("HvDocD.dll", "HvDocD.dll"));
    ASSERT_TRUE(folder.Copy("HvDocA.dll", "NotAModule.txt"));
    ASSERT_TRUE(folder.Write("Broken.dll", "MZ this is no module at all"));
    ASSERT_TRUE(folder.Write("Empty.dll", ""));
    ASSERT_TRUE(::CreateDirectoryA(folder.File("Folder.dll").c_str(), nullptr));
    // A name that fits a directory entry, but not a path of MAX_PATH characters with its folder.
    const std::string longName = std::string(MAX_PATH - 10, 'x') + ".dll";
    ASSERT_GT(folder.File(longName).size(), size_t(MAX_PATH));
    ASSERT_TRUE(folder.Copy("HvDocB.dll", longName));

    ForgetFixtureInitialisation();
    const auto listed = Listed(ScanDocumentations(folder.Path().c_str()));
    EXPECT_EQ(listed,
              (std::set<std::pair<std::string, std::string>> {{"Fixture Guide A", "HvDocA.dll"},
                                                              {"Fixture Guide B", "HvDocB.dll"}}));
    // The exporters ran their initialisation; the others were only read.
    EXPECT_TRUE(FixtureInitialised('A'));
    EXPECT_TRUE(FixtureInitialised('B'));
    EXPECT_FALSE(FixtureInitialised('C'));
    EXPECT_FALSE(FixtureInitialised('D'));
    // Every module loaded for the scan is freed again.
    EXPECT_EQ(::GetModuleHandleA(folder.File("HvDocA.dll").c_str()), nullptr);
    EXPECT_EQ(::GetModuleHandleA(folder.File("HvDocB.dll").c_str()), nullptr);

    // A folder ending in a slash gives the same list.
    EXPECT_EQ(Listed(ScanDocumentations((folder.Path() + "\\").c_str())), listed);
}

TEST(DocumentationScan, FoldersTooLongOrMissingScanNothing)
{
    const std::string deep = "C:\\" + std::string(MAX_PATH, 'd');
    EXPECT_TRUE(ScanDocumentations(deep.c_str()).empty());
    EXPECT_TRUE(ScanDocumentations((ProgramFolder() + "no such folder").c_str()).empty());
}

// The probe reads untrusted files: cut anywhere, a module never answers wrongly or crashes.
TEST(DocumentationScan, ExportProbeOnWholeAndCutModules)
{
    const struct {
        const char* module;
        bool exports;
    } rows[] = {{"HvDocA.dll", true}, {"HvDocB.dll", true}, {"HvDocC.dll", false}, {"HvDocD.dll", false}};
    for (const auto& row : rows)
        EXPECT_EQ(bool(ModuleFileExports((ProgramFolder() + row.module).c_str(), "Get_Lumidoc_Doc_Name")), row.exports)
            << row.module;
    EXPECT_TRUE(ModuleFileExports((ProgramFolder() + "HvDocC.dll").c_str(), "GetURL"));
    EXPECT_FALSE(ModuleFileExports((ProgramFolder() + "HvDocA.dll").c_str(), "Get_Lumidoc"));
    EXPECT_FALSE(ModuleFileExports((ProgramFolder() + "no such.dll").c_str(), "GetURL"));

    const std::string whole = ReadAll(ProgramFolder() + "HvDocA.dll");
    ASSERT_GT(whole.size(), 4096u);
    ScanFolder folder("probe");
    for (size_t length :
         {size_t(0), size_t(2), size_t(64), size_t(300), size_t(1024), whole.size() / 2, whole.size() - 1}) {
        ASSERT_TRUE(folder.Write("Cut.dll", whole.substr(0, length)));
        ModuleFileExports(folder.File("Cut.dll").c_str(), "Get_Lumidoc_Doc_Name");  // must simply return
    }
    // Headers whose offsets point past the file's end.
    std::string bent = whole;
    bent[0x3C] = '\xF0';
    bent[0x3D] = '\xFF';
    bent[0x3E] = '\xFF';
    bent[0x3F] = '\x7F';
    ASSERT_TRUE(folder.Write("Bent.dll", bent));
    EXPECT_FALSE(ModuleFileExports(folder.File("Bent.dll").c_str(), "Get_Lumidoc_Doc_Name"));
}
