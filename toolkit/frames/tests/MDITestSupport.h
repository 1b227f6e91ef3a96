// Shared by the MDI, Windows dialog, dialog bar and property page tests: the application, a
// toolkit MDI frame with a menu bar and document tabs, MDI children with their own icons and
// documents that count saves, and pumping and screenshot helpers.
#pragma once
#include "Files.h"
#include "MessagePump.h"

#include "MDITestIds.h"

#include "frames/WTKMDIChildWnd.h"
#include "frames/WTKMDIFrameWnd.h"

#include "command_bars/WTKMenuBar.h"

#include "docview/Document.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class CMDITestApp : public CWinApp {
public:
    CMDITestApp() : CWinApp("WTKMDITests") {}
};
extern CMDITestApp theApp;

// A document that counts the saves it is asked for.
class CMDITestDoc : public CDocument {
public:
    int m_nSaves = 0;

protected:
    void OnFileSave() { ++m_nSaves; }
    DECLARE_MESSAGE_MAP()
};

// A child frame with a document of its own (no view: the frame answers for it).
class CMDITestChild : public CWTKMDIChildWnd {
public:
    // The document belongs to the child: closing the child must not close it first.
    CMDITestChild() { m_doc.m_bAutoDelete = FALSE; }
    CDocument* GetActiveDocument() override { return &m_doc; }
    CMDITestDoc m_doc;
};

class CMDITestFrame : public CWTKMDIFrameWnd {
public:
    // A visible frame through LoadFrame, with the menu bar docked at the top; null on failure.
    static CMDITestFrame* Create(CRect rect = CRect(30, 30, 670, 470));
    // A visible child titled lpszTitle; hIcon (when given) as its small icon.
    CMDITestChild* AddChild(LPCSTR lpszTitle, HICON hIcon = nullptr,
                            DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW);
    std::vector<CMDITestChild*> AddChildren(int nCount);

    CWTKMenuBar m_wndMenuBar;
    int m_nWindowHelp = 0;
    int m_nPopupsShown = 0;
    // The toolbar's commands (open to paste) that reached the frame.
    std::vector<UINT> m_commands;

protected:
    BOOL OnShowPopupMenu(CWTKPopupMenu* pMenuPopup) override;
    int OnCreate(LPCREATESTRUCTA lpcs);
    LRESULT OnWindowHelp(WPARAM wParam, LPARAM lParam);
    void OnEditCommand(UINT nID);
    DECLARE_MESSAGE_MAP()
};

// Every test starts with a fresh frame (theApp's main window) and destroys it at its end.
class MDITestBase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CMDITestFrame* m_pFrame = nullptr;
};

// Saves the window (frame included) as a PNG in the screenshot folder.
void SaveScreenshot(CWnd* pWnd, const char* pszName);
// Small icons of distinct solid colours, made for a test (DestroyIcon when done).
HICON MakeColourIcon(COLORREF colour);
