// A single-document program: the frame, document and view made by runtime class, the
// order of the first update, the title rule, "new" again, closing, the command line and
// the shell command, and a whole program that ends when its main frame closes.
#include "DocViewTestSupport.h"
#include "docview/DocTemplate.h"

#include <cstdio>

namespace {

CDocTemplate* FirstTemplate()
{
    POSITION pos = theApp.GetFirstDocTemplatePosition();
    return pos ? theApp.GetNextDocTemplate(pos) : nullptr;
}

TEST_F(DocViewTest, NewMakesTheFrameDocumentAndViewByClassAndUpdatesTheActiveView)
{
    CTestDoc* pDoc = NewDocument();
    CTestFrame* pFrame = Frame();
    CTestView* pView = View();
    ASSERT_TRUE(pDoc && pFrame && pView);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(pFrame->m_hWnd, FW_IDW_PANE_FIRST)), pView);
    EXPECT_EQ(pFrame->GetActiveDocument(), pDoc);
    EXPECT_EQ(pDoc->GetDocTemplate(), FirstTemplate());
    EXPECT_EQ(pDoc->m_nNewDocuments, 1);
    EXPECT_EQ(pView->m_nInitialUpdates, 1);
    EXPECT_TRUE(pView->m_bActiveAtFirstUpdate);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    // Loaded from the template's resource id: title (checked below), menu, accelerators and icon.
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), pFrame->GetDefaultMenu());
    EXPECT_TRUE(pFrame->GetDefaultMenu());
    EXPECT_TRUE(pFrame->m_hAccelTable);
    EXPECT_TRUE(::GetClassLongPtrA(pFrame->m_hWnd, GCLP_HICON));

    // Frames of windows: the view's frame is the main frame, which has none above it.
    EXPECT_EQ(pView->GetParentFrame(), pFrame);
    EXPECT_EQ(pView->GetTopLevelFrame(), pFrame);
    EXPECT_EQ(pFrame->GetParentFrame(), nullptr);
    EXPECT_EQ(pFrame->GetTopLevelFrame(), pFrame);
    EXPECT_EQ(pFrame->GetActiveFrame(), pFrame);
    EXPECT_TRUE(pFrame->IsFrameWnd());
    EXPECT_FALSE(pView->IsFrameWnd());

    // The pane fills the client area of a frame without bars.
    RECT rcClient, rcView;
    pFrame->GetClientRect(&rcClient);
    pView->GetWindowRect(&rcView);
    pFrame->ScreenToClient(&rcView);
    EXPECT_TRUE(::EqualRect(&rcClient, &rcView));

    // "New" again re-initialises the one document in the same frame and updates the view again.
    theApp.OnFileNew();
    EXPECT_EQ(Frame(), pFrame);
    EXPECT_EQ(View(), pView);
    EXPECT_EQ(pView->GetDocument(), pDoc);
    EXPECT_EQ(pDoc->m_nNewDocuments, 2);
    EXPECT_EQ(pView->m_nInitialUpdates, 2);
}

TEST_F(DocViewTest, TheDocumentStringGivesItsSevenFields)
{
    CDocTemplate* pTemplate = FirstTemplate();
    ASSERT_TRUE(pTemplate);
    const struct {
        CDocTemplate::DocStringIndex index;
        BOOL bFound;
        const char* text;
    } rows[] = {
        {CDocTemplate::windowTitle, TRUE, "Docview Test"},
        {CDocTemplate::docName, TRUE, ""},
        {CDocTemplate::fileNewName, TRUE, "Test"},
        {CDocTemplate::filterName, TRUE, ""},
        {CDocTemplate::filterExt, TRUE, ""},
        {CDocTemplate::regFileTypeId, TRUE, "Test.Document"},
        {CDocTemplate::regFileTypeName, TRUE, "Test Document"},
        {(CDocTemplate::DocStringIndex)7, FALSE, ""},
        {(CDocTemplate::DocStringIndex)-1, FALSE, ""},
    };
    for (const auto& row : rows) {
        CString str = "stale";
        EXPECT_EQ(pTemplate->GetDocString(str, row.index), row.bFound) << row.index;
        EXPECT_STREQ(str, row.text) << row.index;
    }
}

TEST_F(DocViewTest, TheCaptionFollowsTheDocumentTitleByOneRule)
{
    CTestDoc* pDoc = NewDocument();
    ASSERT_TRUE(pDoc);
    const struct {
        const char* what;
        void (*change)(CTestDoc*, CFrameWnd*);
        const char* caption;
    } rows[] = {
        {"a new document", [](CTestDoc*, CFrameWnd*) {}, "Untitled - Docview Test"},
        {"a title", [](CTestDoc* d, CFrameWnd*) { d->SetTitle("Page One"); }, "Page One - Docview Test"},
        {"a path", [](CTestDoc* d, CFrameWnd*) { d->SetPathName("C:\\help\\topic.txt"); }, "topic.txt - Docview Test"},
        {"an empty title", [](CTestDoc* d, CFrameWnd*) { d->SetTitle(""); }, "Docview Test"},
        {"the frame's title last",
         [](CTestDoc* d, CFrameWnd* f) {
             f->ModifyStyle(FWS_PREFIXTITLE, 0);
             d->SetTitle("Page Two");
         },
         "Docview Test - Page Two"},
        {"no document title in the caption",
         [](CTestDoc* d, CFrameWnd* f) {
             f->ModifyStyle(FWS_ADDTOTITLE, 0);
             f->SetWindowText("Fixed");
             d->SetTitle("Page Three");
         },
         "Fixed"},
    };
    for (const auto& row : rows) {
        row.change(pDoc, Frame());
        CString strCaption;
        Frame()->GetWindowText(strCaption);
        EXPECT_STREQ(strCaption, row.caption) << row.what;
    }
}

TEST_F(DocViewTest, ClosingTheMainFrameClosesTheDocumentAndEndsTheLoop)
{
    ASSERT_TRUE(NewDocument());
    HWND hWndFrame = Frame()->m_hWnd;
    ASSERT_EQ(CTestDoc::s_nLiving, 1);
    Frame()->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hWndFrame));
    EXPECT_EQ(CTestDoc::s_nLiving, 0);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

// Records the words as ParseCommandLine hands them over.
class CRecordingCommandLine : public CCommandLineInfo {
public:
    void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast) override
    {
        m_words.push_back(std::string(bFlag ? "flag " : "word ") + pszParam + (bLast ? " (last)" : ""));
        CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
    }
    std::vector<std::string> m_words;
};

TEST(CommandLine, WordsFlagsAndTheFileToOpen)
{
    using Words = std::vector<std::string>;
    const struct {
        const char* line;
        CCommandLineInfo::ShellCommand command;
        const char* file;
        Words words;
    } rows[] = {
        {"", CCommandLineInfo::FileNew, "", {}},
        {"/doc=PendrelEn:5", CCommandLineInfo::FileNew, "", {"flag doc=PendrelEn:5 (last)"}},
        {"  /DOC=ab:3  ", CCommandLineInfo::FileNew, "", {"flag DOC=ab:3 (last)"}},
        {"notes.txt", CCommandLineInfo::FileOpen, "notes.txt", {"word notes.txt (last)"}},
        {"-x \"C:\\my files\\a.txt\" b.txt",
         CCommandLineInfo::FileOpen,
         "C:\\my files\\a.txt",
         {"flag x", "word C:\\my files\\a.txt", "word b.txt (last)"}},
        {"\"unclosed quote", CCommandLineInfo::FileOpen, "unclosed quote", {"word unclosed quote (last)"}},
        {"/ -", CCommandLineInfo::FileOpen, "/", {"word /", "word - (last)"}},
        {"\"\"", CCommandLineInfo::FileNew, "", {"word  (last)"}},
    };
    for (const auto& row : rows) {
        std::string line = row.line;
        theApp.m_lpCmdLine = &line[0];
        CRecordingCommandLine info;
        theApp.ParseCommandLine(info);
        EXPECT_EQ(info.m_nShellCommand, row.command) << row.line;
        EXPECT_STREQ(info.m_strFileName, row.file) << row.line;
        EXPECT_EQ(info.m_words, row.words) << row.line;
    }
    theApp.m_lpCmdLine = nullptr;
}

TEST(CommandLine, AnyLineIsReadWithinBounds)
{
    std::string longWord(100000, 'x');
    std::string manyFlags;
    for (int i = 0; i < 2000; ++i)
        manyFlags += "/f ";
    for (std::string* pLine : {&longWord, &manyFlags}) {
        theApp.m_lpCmdLine = &(*pLine)[0];
        CRecordingCommandLine info;
        theApp.ParseCommandLine(info);
        EXPECT_LE(info.m_words.size(), 256u);
        EXPECT_LE(info.m_strFileName.GetLength(), 32767);
    }
    theApp.m_lpCmdLine = nullptr;
}

TEST_F(DocViewTest, TheShellCommandMakesOrOpensADocument)
{
    CCommandLineInfo nothing;
    nothing.m_nShellCommand = CCommandLineInfo::FileNothing;
    EXPECT_TRUE(theApp.ProcessShellCommand(nothing));
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);

    CCommandLineInfo missing;
    missing.m_nShellCommand = CCommandLineInfo::FileOpen;
    missing.m_strFileName = "no such file.tst";
    EXPECT_FALSE(theApp.ProcessShellCommand(missing));
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_EQ(CTestDoc::s_nLiving, 0);

    char szPath[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, szPath);
    std::string path = std::string(szPath) + "docview open.tst";
    FILE* pFile = fopen(path.c_str(), "wb");
    ASSERT_TRUE(pFile);
    fputs("contents", pFile);
    fclose(pFile);
    CCommandLineInfo open;
    std::string quoted = "\"" + path + "\"";
    theApp.m_lpCmdLine = &quoted[0];
    theApp.ParseCommandLine(open);
    theApp.m_lpCmdLine = nullptr;
    EXPECT_TRUE(theApp.ProcessShellCommand(open));
    ASSERT_TRUE(View());
    EXPECT_STREQ(View()->GetDocument()->GetPathName(), path.c_str());
    CString strCaption;
    Frame()->GetWindowText(strCaption);
    EXPECT_STREQ(strCaption, "docview open.tst - Docview Test");
    ::DeleteFileA(path.c_str());

    CCommandLineInfo fresh;
    EXPECT_TRUE(theApp.ProcessShellCommand(fresh));
    EXPECT_EQ(View()->GetDocument()->GetTitle(), CString("Untitled"));
}

TEST(DocViewProgram, RunsUntilItsMainFrameCloses)
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string folder = szPath;
    folder = folder.substr(0, folder.rfind('\\') + 1);
    std::string command = "\"" + folder + "fw_docview_test_program.exe\" /exit=37";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_EQ(::WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
    DWORD dwExitCode = 0;
    ::GetExitCodeProcess(pi.hProcess, &dwExitCode);
    EXPECT_EQ(dwExitCode, 37u);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

}  // namespace
