// The customisation tests' fixture: a toolkit MDI frame with a menu bar, a closable toolbar
// ("Standard"), a locked one that cannot be closed ("Format") and a user-defined one ("Custom"),
// two document templates with their own menus and accelerator tables, the keyboard, mouse (two
// views) and context menu (one menu) managers, the message-box and beep seams, and a function
// that opens the customisation sheet modeless on the frame with its command categories filled.
#pragma once
#include "MessagePump.h"

#include "CustomizeTestIds.h"

#include "customisation/WTKToolbarCustomize.h"

#include "frames/WTKMDIFrameWnd.h"

#include "command_bars/WTKContextMenuManager.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKToolBar.h"

#include "foundation/WTKKeyboardManager.h"
#include "foundation/WTKMouseManager.h"

#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class CCustomizeTestApp : public CWinApp {
public:
    CCustomizeTestApp() : CWinApp("WTKCustomizeTests") {}
};
extern CCustomizeTestApp theApp;

class CCustomizeTestFrame : public CWTKMDIFrameWnd {
public:
    // A visible frame through LoadFrame, bars docked at the top, the user toolbar floating;
    // null on failure.
    static CCustomizeTestFrame* Create();

    CWTKMenuBar m_wndMenuBar;
    CWTKToolBar m_wndToolBar;    // closable
    CWTKToolBar m_wndFormatBar;  // locked: cannot be closed
    CWTKToolBar* m_pUserBar = nullptr;
    // What the registered toolbar messages brought.
    int m_nResetKeyboard = 0;
    int m_nCustomizeHelp = 0;
    int m_nCustomizeHelpPage = -1;
    // FALSE: the frame refuses to delete toolbars.
    BOOL m_bAllowDelete = TRUE;

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    LRESULT OnResetKeyboard(WPARAM wParam, LPARAM lParam);
    LRESULT OnCustomizeHelp(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteToolBar(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The categories every test sheet offers: the frame menu's popups ("File", "Help"), the text
// template's ("Edit"), the format bar ("Format"), "View" with two commands of the same text
// ("Zoom", alternative texts "Zoom In" and "Zoom Out") and "Separators" with no real command.
void FillTestCategories(CWTKToolbarCustomize& sheet);

// Opens the sheet modeless on the frame, the extra pages after the standard ones; the sheet
// deletes itself when its window goes. Null on failure.
CWTKToolbarCustomize* OpenCustomizeSheet(CCustomizeTestFrame* pFrame,
                                         UINT uiFlags = CWTKToolbarCustomize::kDefaultFlags,
                                         const std::vector<CPropertyPage*>& extraPages = {});
void CloseCustomizeSheet(CWTKToolbarCustomize* pSheet);

// Message boxes answer from a script (IDYES when it runs out) and are counted; beeps are counted.
struct CustomizeSeams {
    std::vector<int> answers;
    std::vector<std::string> prompts;
    std::vector<UINT> beeps;
};
CustomizeSeams& Seams();

// Each test gets a fresh frame (theApp's main window) and fresh seams; the managers and the
// document templates live for the whole program.
class CustomizeTestBase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CCustomizeTestFrame* m_pFrame = nullptr;
    CWTKToolbarCustomize* m_pSheet = nullptr;  // closed at the end when a test opened it
};

// Waiting messages, then the application's idle work (delayed layouts), then messages again.
void RunIdle();
// Sends a key press (down and up, through the thread's queue and the framework's pump) to a
// window; modifiers are held by the caller with HoldKey.
void PressKey(HWND hWnd, UINT nVirtKey);
void HoldKey(HWND hWnd, UINT nVirtKey, bool bDown);
void ClickWindow(HWND hWnd, CPoint ptClient, bool bDouble = false);
// Saves the sheet (frame included) as a PNG in the screenshot folder.
void SaveSheetScreenshot(CWnd* pWnd, const char* pszName);
