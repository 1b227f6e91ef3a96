// Shared by the document and view tests: the test program's application, a document, a view
// and a frame that record what reached them, and the state their update handlers report.
#pragma once
#include "MessagePump.h"
#include "DocViewTestRes.h"
#include "docview/Document.h"
#include "docview/FrameWnd.h"
#include "docview/View.h"
#include "win/CmdUI.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Who ran, in order: "view", "doc", "frame", "app", "disabled ran" ...
std::vector<std::string>& HandlerLog();

// What the frame's update handlers report.
struct UpdateState {
    BOOL bEnable = TRUE;
    int nCheck = 0;
    BOOL bRadio = FALSE;
    const char* text = "Text";
};
UpdateState& TestUpdateState();

class CDocViewTestApp : public CWinApp {
public:
    CDocViewTestApp() : CWinApp("FwDocViewTests") {}
    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    std::vector<std::string> m_messageBoxes;

protected:
    void OnRoute(UINT) { HandlerLog().push_back("app"); }
    void OnUpdateRoute(CCmdUI* pCmdUI) { pCmdUI->SetText("app"); }

    DECLARE_MESSAGE_MAP()
};

extern CDocViewTestApp theApp;

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
public:
    CTestDoc();
    ~CTestDoc() override;
    BOOL OnNewDocument() override;

    int m_nNewDocuments = 0;
    static int s_nLiving;

protected:
    void OnRoute(UINT) { HandlerLog().push_back("doc"); }
    void OnUpdateRoute(CCmdUI* pCmdUI) { pCmdUI->SetText("doc"); }

    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    void OnInitialUpdate() override;

    int m_nInitialUpdates = 0;
    BOOL m_bActiveAtFirstUpdate = FALSE;  // the frame's active view was this one

protected:
    void OnRoute(UINT) { HandlerLog().push_back("view"); }
    void OnUpdateRoute(CCmdUI* pCmdUI) { pCmdUI->SetText("view"); }

    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
protected:
    void OnRoute(UINT) { HandlerLog().push_back("frame"); }
    void OnUpdateRoute(CCmdUI* pCmdUI) { pCmdUI->SetText("frame"); }
    void OnDisabled() { HandlerLog().push_back("disabled ran"); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateEnable(CCmdUI* pCmdUI) { pCmdUI->Enable(TestUpdateState().bEnable); }
    void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(TestUpdateState().nCheck); }
    void OnUpdateRadio(CCmdUI* pCmdUI) { pCmdUI->SetRadio(TestUpdateState().bRadio); }
    void OnUpdateText(CCmdUI* pCmdUI) { pCmdUI->SetText(TestUpdateState().text); }
    void OnTestCommand(UINT nID) { HandlerLog().push_back("command " + std::to_string(nID)); }

    DECLARE_MESSAGE_MAP()
};

// A child window that takes its enabled state and text from its command's update
// handlers at idle time, as a bar's buttons do.
class CCmdStateWnd : public CWnd {
protected:
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// Records the text an update handler sets (who answered the update).
class CRecordingCmdUI : public CCmdUIStateRecorder {
public:
    void SetText(LPCSTR lpszText) override { m_strText = lpszText; }
    std::string m_strText;
};

// Dispatches what is queued for this thread through the framework's pump (pre-translation included).
// The queue after a main frame closed holds the program's quit: the tests go on.
void DropQuitMessage();

// A fixture with the program's single-document template: each test makes its document with
// "new" and the main frame closes (taking the document) when the test ends.
class DocViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The one document after the application's "new" command, with its frame and view.
    CTestDoc* NewDocument();
    CTestFrame* Frame() const;
    CTestView* View() const;
};
