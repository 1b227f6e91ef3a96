#include "customisation/ColorPopup.h"

#include "customisation/WTKColorButton.h"
#include "customisation/WTKColorMenuButton.h"

#include "command_bars/WTKToolBar.h"

#include <memory>

IMPLEMENT_DYNAMIC(CColorPopup, CWTKPopupMenu)

BEGIN_MESSAGE_MAP(CColorPopup, CWTKPopupMenu)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {

// The popup's item bar slot owns the colour bar; the popup keeps a typed pointer to it.
CWTKColorBar* InstallColorBar(std::unique_ptr<CWTKPopupMenuBar>& slot, const WTKColorBarSettings& settings)
{
    auto* pBar = new CWTKColorBar(settings);
    slot.reset(pBar);
    return pBar;
}

}  // namespace

CColorPopup::CColorPopup(CWTKColorMenuButton* pParentBtn, const WTKColorBarSettings& settings)
{
    m_pColorBar = InstallColorBar(m_pMenuBar, settings);
    m_pColorBar->SetOwnerMenuButton(pParentBtn);
    m_pParentBtn = pParentBtn;
}

CColorPopup::CColorPopup(CWTKColorButton* pParentBtn, const WTKColorBarSettings& settings)
{
    m_pColorBar = InstallColorBar(m_pMenuBar, settings);
    m_pColorBar->SetOwnerColorButton(pParentBtn);
}

CColorPopup::CColorPopup(CWTKColorBarOwner* pOwner, const WTKColorBarSettings& settings)
{
    m_pColorBar = InstallColorBar(m_pMenuBar, settings);
    m_pColorBar->SetOwnerPropList(pOwner);
}

CColorPopup::~CColorPopup() = default;

int CColorPopup::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWTKToolBar::IsCustomizeMode() && !m_bEnabledInCustomizeMode)
        return -1;
    // The popup's own creation makes the item bar (here the colour bar) as its child, owned by
    // the popup's parent, makes the popup the active one and lays it out.
    if (CWTKPopupMenu::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pColorBar->SetBarStyle(m_pColorBar->GetBarStyle() | CBRS_TOOLTIPS);
    return 0;
}

CWTKToolBar* CColorPopup::CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCSTR lpszName)
{
    auto* pButton = dynamic_cast<CWTKColorMenuButton*>(m_pParentBtn);
    if (pButton == nullptr)
        return nullptr;
    auto pBar = std::make_unique<CWTKColorBar>(*m_pColorBar, pButton->m_nID);
    if (!pBar->Create(pWndMain, WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_HIDE_INPLACE, uiID))
        return nullptr;
    pBar->SetWindowText(lpszName);
    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar.release();
}
