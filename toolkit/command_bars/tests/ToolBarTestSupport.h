// Shared by the toolbar tests: the program's application, a frame that records the commands
// and prompts its toolbars send, and helpers to pump messages and find the screenshots folder.
#pragma once
#include "ArchiveBytes.h"
#include "Files.h"
#include "MessagePump.h"
#include "command_bars/WTKToolBar.h"
#include "foundation/WTKWorkspace.h"

#include "ToolBarTestIds.h"

#include "docview/FrameWnd.h"
#include "win/CmdUI.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class CToolBarTestApp : public CWinApp {
public:
    CToolBarTestApp() : CWinApp("WTKToolBarTests") {}
};

extern CToolBarTestApp theApp;

// A hidden frame owning the toolbars under test. Commands ID_TEST_NEW..ID_TEST_PRINT have
// handlers (recorded); the command-state answers are set by the test.
class CToolBarTestFrame : public CFrameWnd {
public:
    BOOL CreateFrame(BOOL bVisible = FALSE);

    std::vector<UINT> m_commands;
    std::vector<UINT> m_prompts;
    int m_nBoldCheck = 0;          // SetCheck for ID_TEST_BOLD
    BOOL m_bCutEnabled = TRUE;     // Enable for ID_TEST_CUT
    BOOL m_bRebuildOnNew = FALSE;  // ID_TEST_NEW rebuilds m_pRebuildBar (a command that rebuilds)
    CWTKToolBar* m_pRebuildBar = nullptr;
    std::vector<POINT> m_popupPoints;  // screen points of the toolbar context menus asked for

protected:
    void OnTestCommand(UINT nID);
    void OnUpdateBold(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nBoldCheck); }
    void OnUpdateCut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bCutEnabled); }
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolBarPopupMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

void RunIdle();

// A workspace whose stored data carries the given version record (-1: none).
class CVersionedWorkspace : public CWTKWorkspace {
public:
    CVersionedWorkspace(int nMajor, int nMinor)
    {
        m_iSavedVersionMajor = nMajor;
        m_iSavedVersionMinor = nMinor;
    }
};

// An object archived alone, as the bytes a stored state holds.
std::string StoreObject(CObject& object);
// The toolbar button read back from such bytes, or null when loading threw.
CObject* LoadButtonObject(std::string bytes);
// The command ids of a bar's buttons in order, separators as 0.
std::vector<UINT> ButtonIds(const CWTKToolBar& bar);
