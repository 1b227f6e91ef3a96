#include "frames/WindowsDialog.h"

#include "docview/Document.h"
#include "docview/FrameWnd.h"
#include "docview/MDIFrameWnd.h"
#include "win/FrameworkRes.h"
#include "win/WinApp.h"

#include <algorithm>

namespace {
const UINT kWindowHelpMessage = ::RegisterWindowMessageA("WINDOW_HELP");
constexpr int kMaxTitleLength = 256;
constexpr int kIconInset = 2;
constexpr int kTextGap = 4;

// Window animation off for as long as it lives, for this session only (nothing persisted,
// nothing broadcast), and back as it was when it goes, whatever path leaves the scope.
class CWindowAnimationOff {
public:
    CWindowAnimationOff()
    {
        m_saved.cbSize = sizeof(m_saved);
        if (!CWindowsDialog::s_pfnSystemParameters(SPI_GETANIMATION, sizeof(m_saved), &m_saved, 0) ||
            m_saved.iMinAnimate == 0)
            return;
        ANIMATIONINFO off = m_saved;
        off.iMinAnimate = 0;
        m_bSwitched = CWindowsDialog::s_pfnSystemParameters(SPI_SETANIMATION, sizeof(off), &off, 0);
    }
    ~CWindowAnimationOff()
    {
        if (m_bSwitched)
            CWindowsDialog::s_pfnSystemParameters(SPI_SETANIMATION, sizeof(m_saved), &m_saved, 0);
    }
    CWindowAnimationOff(const CWindowAnimationOff&) = delete;
    CWindowAnimationOff& operator=(const CWindowAnimationOff&) = delete;

private:
    ANIMATIONINFO m_saved = {};
    BOOL m_bSwitched = FALSE;
};

// A window that does not redraw until the scope ends.
class CRedrawOff {
public:
    explicit CRedrawOff(HWND hWnd) : m_hWnd(hWnd)
    {
        if (m_hWnd != nullptr)
            ::SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
    }
    ~CRedrawOff()
    {
        if (m_hWnd == nullptr)
            return;
        ::SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    }
    CRedrawOff(const CRedrawOff&) = delete;
    CRedrawOff& operator=(const CRedrawOff&) = delete;

private:
    HWND m_hWnd;
};

BOOL HasSystemMenu(HWND hWnd)
{
    return (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_SYSMENU) != 0;
}

BOOL CanClose(HWND hWnd)
{
    HMENU hSysMenu = ::GetSystemMenu(hWnd, FALSE);
    if (hSysMenu == nullptr)
        return FALSE;
    const UINT uiState = ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
    return uiState != static_cast<UINT>(-1) && (uiState & (MF_GRAYED | MF_DISABLED)) == 0;
}
}  // namespace

CWindowsDialog::SystemParametersFn CWindowsDialog::s_pfnSystemParameters = &::SystemParametersInfoA;

BEGIN_MESSAGE_MAP(CWindowsDialog, CDialog)
    ON_BN_CLICKED(IDC_WTK_WINDOWS_ACTIVATE, OnActivateButton)
    ON_LBN_DBLCLK(IDC_WTK_WINDOWS_LIST, OnActivateButton)
    ON_BN_CLICKED(IDC_WTK_WINDOWS_SAVE, OnSave)
    ON_BN_CLICKED(IDC_WTK_WINDOWS_CLOSE, OnCloseWindows)
    ON_BN_CLICKED(IDC_WTK_WINDOWS_MINIMIZE, OnMinimize)
    ON_BN_CLICKED(IDC_WTK_WINDOWS_CASCADE, OnCascade)
    ON_BN_CLICKED(IDC_WTK_WINDOWS_TILE_HORZ, OnTileHorz)
    ON_BN_CLICKED(IDC_WTK_WINDOWS_TILE_VERT, OnTileVert)
    ON_BN_CLICKED(IDC_WTK_WINDOWS_HELP, OnHelp)
    ON_LBN_SELCHANGE(IDC_WTK_WINDOWS_LIST, OnSelChange)
    ON_MESSAGE(WM_HELP, OnHelpMessage)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

CWindowsDialog::CWindowsDialog(CMDIFrameWnd* pMDIFrame)
    : CDialog(IDD_WTK_WINDOWS_DIALOG, pMDIFrame), m_pMDIFrame(pMDIFrame)
{}

BOOL CWindowsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndList.SubclassWindow(::GetDlgItem(m_hWnd, IDC_WTK_WINDOWS_LIST));
    FillWindowList();
    return TRUE;
}

HWND CWindowsDialog::GetMDIClient() const
{
    return m_pMDIFrame != nullptr ? m_pMDIFrame->m_hWndMDIClient : nullptr;
}

// ---- The list ----

void CWindowsDialog::FillWindowList()
{
    if (m_wndList.GetSafeHwnd() == nullptr)
        return;
    m_wndList.ResetContent();
    m_bAllHaveSysMenu = TRUE;
    m_cannotClose.clear();
    const HWND hWndClient = GetMDIClient();
    if (hWndClient != nullptr) {
        for (HWND hWnd = ::GetWindow(hWndClient, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
            if (!::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER) != nullptr)
                continue;
            char szText[kMaxTitleLength + 1] = {};
            ::GetWindowTextA(hWnd, szText, kMaxTitleLength + 1);
            const int iItem = m_wndList.AddString(szText);
            if (iItem < 0)
                continue;
            m_wndList.SetItemData(iItem, reinterpret_cast<DWORD_PTR>(hWnd));
            if (!HasSystemMenu(hWnd))
                m_bAllHaveSysMenu = FALSE;
            if (!CanClose(hWnd))
                m_cannotClose.push_back(hWnd);
        }
    }
    const HWND hWndActive =
        hWndClient != nullptr ? reinterpret_cast<HWND>(::SendMessageA(hWndClient, WM_MDIGETACTIVE, 0, 0)) : nullptr;
    m_wndList.SetSel(-1, FALSE);
    if (hWndActive != nullptr)
        SelectWindow(hWndActive);
    UpdateButtons();
}

std::vector<HWND> CWindowsDialog::GetListedWindows() const
{
    std::vector<HWND> windows;
    const int nCount = m_wndList.GetSafeHwnd() != nullptr ? m_wndList.GetCount() : 0;
    for (int i = 0; i < nCount; ++i)
        windows.push_back(reinterpret_cast<HWND>(m_wndList.GetItemData(i)));
    return windows;
}

std::vector<HWND> CWindowsDialog::GetSelectedWindows() const
{
    std::vector<HWND> windows;
    const int nCount = m_wndList.GetSafeHwnd() != nullptr ? m_wndList.GetCount() : 0;
    for (int i = 0; i < nCount; ++i) {
        if (m_wndList.GetSel(i) > 0)
            windows.push_back(reinterpret_cast<HWND>(m_wndList.GetItemData(i)));
    }
    return windows;
}

BOOL CWindowsDialog::SelectWindow(HWND hWnd, BOOL bSelect)
{
    const int nCount = m_wndList.GetSafeHwnd() != nullptr ? m_wndList.GetCount() : 0;
    for (int i = 0; i < nCount; ++i) {
        if (reinterpret_cast<HWND>(m_wndList.GetItemData(i)) == hWnd) {
            m_wndList.SetSel(i, bSelect);
            UpdateButtons();
            return TRUE;
        }
    }
    return FALSE;
}

void CWindowsDialog::EnableButton(UINT nID, BOOL bEnable)
{
    if (HWND hWndButton = ::GetDlgItem(m_hWnd, static_cast<int>(nID)))
        ::EnableWindow(hWndButton, bEnable);
}

void CWindowsDialog::UpdateButtons()
{
    const std::vector<HWND> selected = GetSelectedWindows();
    const size_t nSelected = selected.size();
    const BOOL bCanClose = std::none_of(selected.begin(), selected.end(), [this](HWND hWnd) {
        return std::find(m_cannotClose.begin(), m_cannotClose.end(), hWnd) != m_cannotClose.end();
    });
    EnableButton(IDC_WTK_WINDOWS_ACTIVATE, nSelected == 1);
    EnableButton(IDC_WTK_WINDOWS_SAVE, nSelected > 0);
    EnableButton(IDC_WTK_WINDOWS_CLOSE, nSelected > 0 && bCanClose);
    EnableButton(IDC_WTK_WINDOWS_MINIMIZE, nSelected > 0 && m_bAllHaveSysMenu);
    const BOOL bArrange = nSelected > 1 && m_bAllHaveSysMenu;
    EnableButton(IDC_WTK_WINDOWS_CASCADE, bArrange);
    EnableButton(IDC_WTK_WINDOWS_TILE_HORZ, bArrange);
    EnableButton(IDC_WTK_WINDOWS_TILE_VERT, bArrange);
}

// ---- Actions ----

void CWindowsDialog::ActivateSelected()
{
    const std::vector<HWND> selected = GetSelectedWindows();
    if (selected.size() != 1 || !::IsWindow(selected.front()))
        return;
    const HWND hWnd = selected.front();
    if (::IsIconic(hWnd))
        ::ShowWindow(hWnd, SW_RESTORE);
    ::SendMessageA(GetMDIClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hWnd), 0);
    EndDialog(IDOK);
}

void CWindowsDialog::SaveSelected()
{
    const std::vector<HWND> selected = GetSelectedWindows();
    for (HWND hWnd : selected) {
        auto* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWnd));
        CDocument* pDoc = pFrame != nullptr ? pFrame->GetActiveDocument() : nullptr;
        if (pDoc != nullptr)
            pDoc->OnCmdMsg(ID_FILE_SAVE, CN_COMMAND, nullptr, nullptr);
    }
    FillWindowList();
    m_wndList.SetSel(-1, FALSE);
    for (HWND hWnd : selected)
        SelectWindow(hWnd);
    UpdateButtons();
}

void CWindowsDialog::CloseSelected()
{
    const std::vector<HWND> selected = GetSelectedWindows();
    {
        CRedrawOff listRedrawOff(m_wndList.GetSafeHwnd());
        for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
            if (::IsWindow(*it))
                ::SendMessageA(*it, WM_CLOSE, 0, 0);
        }
    }
    FillWindowList();
}

void CWindowsDialog::MinimizeSelected()
{
    {
        CWindowAnimationOff animationOff;
        for (HWND hWnd : GetSelectedWindows()) {
            if (::IsWindow(hWnd))
                ::ShowWindow(hWnd, SW_MINIMIZE);
        }
    }
    FillWindowList();
}

void CWindowsDialog::ArrangeSelected(UINT nMessage, WPARAM nTile)
{
    const HWND hWndClient = GetMDIClient();
    if (hWndClient == nullptr)
        return;
    const std::vector<HWND> selected = GetSelectedWindows();
    {
        CWindowAnimationOff animationOff;
        CRedrawOff clientRedrawOff(hWndClient);
        for (HWND hWnd : GetListedWindows()) {
            if (!::IsWindow(hWnd))
                continue;
            const BOOL bSelected = std::find(selected.begin(), selected.end(), hWnd) != selected.end();
            if (!bSelected)
                ::ShowWindow(hWnd, SW_MINIMIZE);
            else if (::IsIconic(hWnd) || ::IsZoomed(hWnd))
                ::ShowWindow(hWnd, SW_RESTORE);
        }
        ::SendMessageA(hWndClient, nMessage, nTile, 0);
    }
    FillWindowList();
    m_wndList.SetSel(-1, FALSE);
    for (HWND hWnd : selected)
        SelectWindow(hWnd);
    UpdateButtons();
}

// ---- Help ----

void CWindowsDialog::OnHelp()
{
    if (CWnd* pMain = FwGetMainWnd())
        pMain->SendMessage(kWindowHelpMessage, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT CWindowsDialog::OnHelpMessage(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    OnHelp();
    return TRUE;
}

// ---- Drawing ----

void CWindowsDialog::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
{
    if (nIDCtl == IDC_WTK_WINDOWS_LIST && lpDIS != nullptr && lpDIS->CtlType == ODT_LISTBOX)
        DrawListItem(*lpDIS);
    else
        Default();
}

void CWindowsDialog::DrawListItem(const DRAWITEMSTRUCT& dis)
{
    if (static_cast<int>(dis.itemID) < 0)
        return;
    const HDC hDC = dis.hDC;
    const CRect rect(dis.rcItem);
    const BOOL bSelected = (dis.itemState & ODS_SELECTED) != 0;
    if (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
        ::FillRect(hDC, &rect, ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const int nHeight = rect.Height();
    const HWND hWnd = reinterpret_cast<HWND>(dis.itemData);
    const HICON hIcon = ::IsWindow(hWnd) ? reinterpret_cast<HICON>(::GetClassLongPtrA(hWnd, GCLP_HICON)) : nullptr;
    if (hIcon != nullptr)
        ::DrawIconEx(hDC, rect.left + kIconInset, rect.top, hIcon, nHeight, nHeight, 0, nullptr, DI_NORMAL);

    char szText[kMaxTitleLength + 1] = {};
    ::SendMessageA(dis.hwndItem, LB_GETTEXT, dis.itemID, reinterpret_cast<LPARAM>(szText));
    CRect rectText = rect;
    rectText.left += nHeight + kTextGap;
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    const COLORREF clrOld = ::SetTextColor(hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::DrawTextA(hDC, szText, -1, &rectText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    ::SetTextColor(hDC, clrOld);
    ::SetBkMode(hDC, nOldMode);
    if (dis.itemState & ODS_FOCUS)
        ::DrawFocusRect(hDC, &rect);
}
