// The content module binding against the fixture modules: which exports each offers, text cut
// to 255 characters, topics checked against the module's count, the load order of a switch.
#include "ViewerTestSupport.h"
#include "win/TreeCtrl.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using UrlCallsFn = LONG(WINAPI*)();

LONG UrlCallsOfA()
{
    HMODULE module = ::GetModuleHandleA("HvDocA.dll");
    auto calls = reinterpret_cast<UrlCallsFn>(reinterpret_cast<void*>(::GetProcAddress(module, "Fixture_UrlCalls")));
    return calls ? calls() : -1;
}

}  // namespace

TEST(ContentModule, ExportsOfEachFixture)
{
    ContentModuleGuard guard;
    const struct {
        const char* file;
        const char* docName;  // null: no title export
        bool count, topic, keyword, contents, url;
    } rows[] = {
        {"HvDocA.dll", "Fixture Guide A", true, true, true, true, true},
        {"HvDocB.dll", "Fixture Guide B", false, false, false, false, true},
        {"HvDocC.dll", nullptr, true, true, true, true, true},
        {"HvDocD.dll", nullptr, false, false, false, false, false},
    };
    CTreeCtrl tree;
    FwInitCommonControls(ICC_TREEVIEW_CLASSES);
    ASSERT_TRUE(tree.CreateEx(0, WC_TREEVIEWA, nullptr, WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    for (const auto& row : rows) {
        CContentModule& module = CContentModule::Current();
        ASSERT_TRUE(module.Load(row.file, 7)) << row.file;
        EXPECT_EQ(module.GetStartTopic(), 7);
        CString text;
        EXPECT_EQ(bool(module.GetDocName(text)), row.docName != nullptr) << row.file;
        if (row.docName) {
            EXPECT_STREQ(text, row.docName) << row.file;
        }
        int count = -1;
        EXPECT_EQ(bool(module.GetContentCount(count)), row.count) << row.file;
        if (row.count) {
            EXPECT_EQ(count, 3) << row.file;
        }
        EXPECT_EQ(bool(module.GetTopic(0, text)), row.topic) << row.file;
        if (row.topic) {
            EXPECT_STREQ(text, "Alpha topic") << row.file;
        }
        EXPECT_EQ(bool(module.GetKeyword(2, text)), row.keyword) << row.file;
        if (row.keyword) {
            EXPECT_STREQ(text, "third gamma") << row.file;
        }
        ::SendMessageA(tree.m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        EXPECT_EQ(bool(module.LoadContents(&tree)), row.contents) << row.file;
        EXPECT_EQ(::SendMessageA(tree.m_hWnd, TVM_GETCOUNT, 0, 0), row.contents ? 4 : 0) << row.file;
        EXPECT_EQ(bool(module.HasPageAddresses()), row.url) << row.file;
        EXPECT_EQ(bool(module.GetPageAddress(1, text)), row.url) << row.file;
        if (row.url) {
            EXPECT_EQ(std::string(text), std::string("res://") + row.file + "/2") << row.file;
        }
        const std::string path(module.GetModulePath());
        EXPECT_EQ(path.substr(path.find_last_of('\\') + 1), row.file);
    }
    tree.DestroyWindow();
}

// A module writing more than the interface promises overruns nothing and is cut to 255.
TEST(ContentModule, TextIsCutAt255Characters)
{
    ContentModuleGuard guard;
    ASSERT_TRUE(CContentModule::Current().Load("HvDocA.dll"));
    CString title;
    ASSERT_TRUE(CContentModule::Current().GetTopic(1, title));
    EXPECT_EQ(title.GetLength(), 255);
    EXPECT_EQ(std::string(title), std::string(255, 'L'));
}

// Topics outside 0 .. count - 1 never reach the module; without a count only negative ones
// are refused.
TEST(ContentModule, TopicsCheckedAgainstTheCount)
{
    ContentModuleGuard guard;
    CContentModule& module = CContentModule::Current();
    ASSERT_TRUE(module.Load("HvDocA.dll"));
    const LONG callsBefore = UrlCallsOfA();
    CString address;
    for (int topic : {3, 99, -3, INT_MAX, INT_MIN}) {
        EXPECT_FALSE(module.GetPageAddress(topic, address)) << topic;
        EXPECT_FALSE(module.GetTopic(topic, address)) << topic;
        EXPECT_FALSE(module.GetKeyword(topic, address)) << topic;
    }
    EXPECT_EQ(UrlCallsOfA(), callsBefore);
    EXPECT_TRUE(module.GetPageAddress(2, address));
    EXPECT_EQ(UrlCallsOfA(), callsBefore + 1);

    ASSERT_TRUE(module.Load("HvDocB.dll"));
    EXPECT_TRUE(module.GetPageAddress(9, address));
    EXPECT_STREQ(address, "res://HvDocB.dll/10");
    EXPECT_FALSE(module.GetPageAddress(-1, address));
}

// A switch loads the new module before the old one goes: a failed load keeps the old module,
// and loading the module already held never unloads it in between.
TEST(ContentModule, NewModuleLoadedBeforeTheOldIsFreed)
{
    ContentModuleGuard guard;
    CContentModule& module = CContentModule::Current();
    ASSERT_TRUE(module.Load("HvDocA.dll", 4));
    const HMODULE held = module.GetHandle();
    CString address;
    module.GetPageAddress(0, address);
    const LONG calls = UrlCallsOfA();

    EXPECT_FALSE(module.Load("NoSuchModule.dll"));
    EXPECT_EQ(module.GetHandle(), held);
    EXPECT_EQ(module.GetStartTopic(), 4);
    EXPECT_TRUE(module.GetPageAddress(0, address));
    EXPECT_STREQ(address, "res://HvDocA.dll/1");

    // The same module again: its state (the call count) survives, so it never went away.
    ASSERT_TRUE(module.Load("HvDocA.dll"));
    EXPECT_EQ(module.GetStartTopic(), 0);
    EXPECT_EQ(UrlCallsOfA(), calls + 1);

    ASSERT_TRUE(module.Load("HvDocB.dll"));
    EXPECT_EQ(::GetModuleHandleA("HvDocA.dll"), nullptr);
    module.Free();
    EXPECT_FALSE(module.IsLoaded());
    EXPECT_EQ(::GetModuleHandleA("HvDocB.dll"), nullptr);
    EXPECT_FALSE(module.GetPageAddress(0, address));
    EXPECT_TRUE(module.GetModulePath().IsEmpty());
}

TEST(ContentModule, LoadFailureMessage)
{
    MessageBoxRecorder recorder;
    CContentModule::ReportLoadFailure("nosuch.dll");
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].owner, nullptr);
    EXPECT_EQ(recorder.boxes[0].text, "Could not find dll: nosuch.dll");
    EXPECT_EQ(recorder.boxes[0].caption, "Error");
    EXPECT_EQ(recorder.boxes[0].type, UINT(MB_OK));
}
