#include "ToolBarTestSupport.h"

#include "command_bars/WTKToolbarButton.h"
#include "command_bars/WTKToolbarMessages.h"

#include "core/Archive.h"

#include "win/WinThread.h"

CToolBarTestApp theApp;

BEGIN_MESSAGE_MAP(CToolBarTestFrame, CFrameWnd)
    ON_COMMAND_RANGE(ID_TEST_NEW, ID_TEST_PRINT, OnTestCommand)
    ON_UPDATE_COMMAND_UI(ID_TEST_BOLD, OnUpdateBold)
    ON_UPDATE_COMMAND_UI(ID_TEST_CUT, OnUpdateCut)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_POPUPMENU, OnToolBarPopupMenu)
END_MESSAGE_MAP()

BOOL CToolBarTestFrame::CreateFrame(BOOL bVisible)
{
    RECT rect = {40, 40, 640, 400};
    if (!Create(nullptr, "Toolbars", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (bVisible ? WS_VISIBLE : 0), rect))
        return FALSE;
    m_hAccelTable = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_ACCEL));
    return TRUE;
}

void CToolBarTestFrame::OnTestCommand(UINT nID)
{
    m_commands.push_back(nID);
    if (nID == ID_TEST_NEW && m_bRebuildOnNew && m_pRebuildBar != nullptr) {
        const UINT ids[] = {ID_TEST_PRINT};
        m_pRebuildBar->SetButtons(ids, 1);
    }
}

LRESULT CToolBarTestFrame::OnSetMessageString(WPARAM wParam, LPARAM /*lParam*/)
{
    m_prompts.push_back(static_cast<UINT>(wParam));
    return 0;
}

void RunIdle()
{
    PumpPending();
    theApp.OnIdle(0);
}

LRESULT CToolBarTestFrame::OnToolBarPopupMenu(WPARAM /*wParam*/, LPARAM lParam)
{
    m_popupPoints.push_back(WTKPointFromPopupMenuParam(lParam));
    return 0;
}

std::string StoreObject(CObject& object)
{
    return StoreArchive([&object](CArchive& ar) { ar.WriteObject(&object); });
}

CObject* LoadButtonObject(std::string bytes)
{
    CObject* pObject = nullptr;
    LoadArchive(std::move(bytes),
                [&pObject](CArchive& ar) { pObject = ar.ReadObject(RUNTIME_CLASS(CWTKToolbarButton)); });
    return pObject;
}

std::vector<UINT> ButtonIds(const CWTKToolBar& bar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < bar.GetCount(); i++)
        ids.push_back(bar.GetItemID(i));
    return ids;
}
