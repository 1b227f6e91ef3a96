// CWTKOutlookBar: pages, shortcut buttons, creation, images and the archive.
#include "frames/WTKOutlookBar.h"

#include "frames/WTKButton.h"
#include "frames/WTKOutlookBarPageButton.h"
#include "frames/res/WTKFramesRes.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKRegistry.h"
#include "foundation/WTKRegistryHolder.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"
#include "win/MessageMap.h"
#include "win/WinApp.h"

#include <memory>
#include <new>
#include <set>

IMPLEMENT_SERIAL(CWTKOutlookBar, CWTKToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CWTKOutlookBar, CWTKToolBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_STYLECHANGING, OnStyleChanging)
END_MESSAGE_MAP()

namespace {
const char* const kOutlookStateValue = "OutlookBar";
const char* const kBarWindowText = "Shortcuts";
// A page id, an empty name: the least room one stored page takes.
constexpr UINT kMinStoredPageBytes = 5;
// Pages and buttons a stored bar may hold; more is not a bar this program wrote.
constexpr DWORD_PTR kMaxStoredPages = 256;
constexpr DWORD_PTR kMaxStoredButtons = 4096;
constexpr DWORD kPageButtonStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_OWNERDRAW;
constexpr DWORD kBarButtonStyle = WS_CHILD | BS_PUSHBUTTON | BS_OWNERDRAW;

void DeleteObList(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}
}  // namespace

CWTKOutlookBar::CWTKOutlookBar()
{
    // Shortcuts stay live without a command handler: the owner hears WM_COMMAND.
    m_bDisableControlsIfNoHandler = FALSE;
    m_bLocked = TRUE;
}

CWTKOutlookBar::~CWTKOutlookBar()
{
    DeleteAllPages();
    delete m_pScrollBack;
    delete m_pScrollForward;
    delete m_pCloseButton;
}

BOOL CWTKOutlookBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_bHasCaption = (dwStyle & WS_CAPTION) == WS_CAPTION;
    return CWTKToolBar::CreateEx(pParentWnd, kFlatStyle, dwStyle & ~WS_CAPTION, CRect(1, 1, 1, 1), nID);
}

int CWTKOutlookBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKToolBar::OnCreate(lpcs) == -1)
        return -1;
    SetWindowText(kBarWindowText);
    const CRect rectNone(0, 0, 0, 0);
    m_pScrollBack = new CWTKButton;
    m_pScrollForward = new CWTKButton;
    m_pCloseButton = new CWTKButton;
    if (!m_pScrollBack->Create("", kBarButtonStyle, rectNone, this, kScrollBackId) ||
        !m_pScrollForward->Create("", kBarButtonStyle, rectNone, this, kScrollForwardId) ||
        !m_pCloseButton->Create("", kBarButtonStyle, rectNone, this, kCloseButtonId))
        return -1;
    const BOOL bHorz = IsHorizontalBar();
    m_pScrollBack->SetStdImage(bHorz ? CWTKMenuGlyphs::kArrowLeft : CWTKMenuGlyphs::kArrowUp);
    m_pScrollForward->SetStdImage(bHorz ? CWTKMenuGlyphs::kArrowRight : CWTKMenuGlyphs::kArrowDown);
    m_pCloseButton->SetStdImage(CWTKMenuGlyphs::kClose);
    CString strClose;
    if (strClose.LoadString(IDS_WTK_OUTLOOK_CLOSE))
        m_pCloseButton->SetTooltip(strClose);
    for (CWTKButton* pButton : {m_pScrollBack, m_pScrollForward}) {
        pButton->m_nFlatStyle = CWTKButton::kStyleFlat;
        pButton->m_bDrawFocus = FALSE;
        pButton->SetAutoRepeatMode(kScrollRepeatDelay);
    }
    m_pCloseButton->m_nFlatStyle = CWTKButton::kStyleFlat;
    m_pCloseButton->m_bDrawFocus = FALSE;
    if (m_bResizable) {
        HINSTANCE hRes = FwGetResourceHandle();
        m_hcurStretch = ::LoadCursorA(hRes, MAKEINTRESOURCEA(kWTKIdcStretch));
        m_hcurStretchVert = ::LoadCursorA(hRes, MAKEINTRESOURCEA(kWTKIdcStretchVert));
    }
    int i = 0;
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr; i++)
        CreatePageButton(static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos)), i);
    LoadBackImage();
    return 0;
}

void CWTKOutlookBar::OnDestroy()
{
    if (m_bTracking)
        StopTracking(FALSE);
    CWTKToolBar::OnDestroy();
}

// ---- Pages ----

BOOL CWTKOutlookBar::CreatePageButton(CWTKOutlookBarPage* pPage, int iIndex)
{
    if (pPage->m_pButton == nullptr)
        pPage->m_pButton = new CWTKOutlookBarPageButton(pPage->m_uiID);
    if (!::IsWindow(GetSafeHwnd()) || pPage->m_pButton->GetSafeHwnd() != nullptr)
        return TRUE;
    return pPage->m_pButton->Create(pPage->m_strName, kPageButtonStyle, CRect(0, 0, 0, 0), this,
                                    kFirstPageButtonId + static_cast<UINT>(iIndex));
}

BOOL CWTKOutlookBar::AddPage(UINT uiPageID, LPCSTR lpszName, CWnd* pWndPage)
{
    if (FindPage(uiPageID) != nullptr)
        return FALSE;
    auto* pPage = new CWTKOutlookBarPage(uiPageID, lpszName, pWndPage);
    m_lstPages.AddTail(pPage);
    CreatePageButton(pPage, GetPageCount() - 1);
    if (m_lstPages.GetCount() == 1)
        m_uiActivePageID = uiPageID;
    ShowPageWindows();
    Relayout();
    return TRUE;
}

BOOL CWTKOutlookBar::RemovePage(UINT uiPageID)
{
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr;) {
        const POSITION posThis = pos;
        auto* pPage = static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos));
        if (pPage->m_uiID != uiPageID)
            continue;
        m_lstPages.RemoveAt(posThis);
        if (pPage->m_pWndPage != nullptr && pPage->m_pWndPage->GetSafeHwnd() != nullptr)
            pPage->m_pWndPage->ShowWindow(SW_HIDE);
        delete pPage;
        for (int i = GetCount() - 1; i >= 0; i--) {
            auto* pButton = dynamic_cast<CWTKOutlookButton*>(GetButton(i));
            if (pButton != nullptr && pButton->m_uiPageID == uiPageID)
                RemoveButton(i);
        }
        if (m_uiActivePageID == uiPageID) {
            m_uiActivePageID = m_lstPages.IsEmpty() ? 0 : GetPage(0)->m_uiID;
            m_nScrollOffset = 0;
            m_iFirstVisibleButton = 0;
            ShowPageWindows();
        }
        Relayout();
        return TRUE;
    }
    return FALSE;
}

CWTKOutlookBarPage* CWTKOutlookBar::GetPage(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetPageCount())
        return nullptr;
    return static_cast<CWTKOutlookBarPage*>(m_lstPages.GetAt(m_lstPages.FindIndex(iIndex)));
}

CWTKOutlookBarPage* CWTKOutlookBar::FindPage(UINT uiPageID) const
{
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr;) {
        auto* pPage = static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos));
        if (pPage->m_uiID == uiPageID)
            return pPage;
    }
    return nullptr;
}

CWTKOutlookBarPage* CWTKOutlookBar::PageOfButtonWindow(HWND hwnd) const
{
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr;) {
        auto* pPage = static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos));
        if (hwnd != nullptr && pPage->m_pButton != nullptr && pPage->m_pButton->GetSafeHwnd() == hwnd)
            return pPage;
    }
    return nullptr;
}

void CWTKOutlookBar::DeleteAllPages()
{
    DeleteObList(m_lstPages);
    m_uiActivePageID = 0;
}

void CWTKOutlookBar::ShowPageWindows()
{
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr;) {
        auto* pPage = static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos));
        CWnd* pWnd = pPage->m_pWndPage;
        if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
            pWnd->ShowWindow(pPage->m_uiID == m_uiActivePageID ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

// ---- Shortcut buttons ----

BOOL CWTKOutlookBar::AddButton(UINT uiPageID, UINT uiCmdID, int iImage, LPCSTR lpszText)
{
    if (FindPage(uiPageID) == nullptr)
        return FALSE;
    auto pButton = std::make_unique<CWTKOutlookButton>(uiCmdID, iImage, lpszText, uiPageID);
    pButton->m_pWndParentBar = this;
    if (InsertButtonObject(std::move(pButton), -1) < 0)
        return FALSE;
    Relayout();
    return TRUE;
}

int CWTKOutlookBar::GetPageButtonCount(UINT uiPageID) const
{
    int nCount = 0;
    for (const CWTKToolbarButton* pBarButton : m_Buttons) {
        const auto* pButton = dynamic_cast<const CWTKOutlookButton*>(pBarButton);
        if (pButton != nullptr && pButton->m_uiPageID == uiPageID)
            nCount++;
    }
    return nCount;
}

CWTKOutlookButton* CWTKOutlookBar::GetPageButton(UINT uiPageID, int iIndex) const
{
    int i = 0;
    for (CWTKToolbarButton* pBarButton : m_Buttons) {
        auto* pButton = dynamic_cast<CWTKOutlookButton*>(pBarButton);
        if (pButton == nullptr || pButton->m_uiPageID != uiPageID)
            continue;
        if (i++ == iIndex)
            return pButton;
    }
    return nullptr;
}

void CWTKOutlookBar::SetCheckedButton(UINT uiCmdID)
{
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (uiCmdID != 0 && pButton->m_nID == uiCmdID)
            pButton->m_nStyle |= TBBS_CHECKED;
        else
            pButton->m_nStyle &= ~TBBS_CHECKED;
    }
    if (::IsWindow(GetSafeHwnd()))
        Invalidate();
}

// ---- Images ----

BOOL CWTKOutlookBar::LoadImages(UINT uiBmpResID, CSize sizeImage, COLORREF clrTransparent)
{
    m_Images.Clear();
    m_Images.SetImageSize(sizeImage);
    m_Images.SetTransparentColor(clrTransparent);
    if (!m_Images.Load(uiBmpResID))
        return FALSE;
    Relayout();
    return TRUE;
}

BOOL CWTKOutlookBar::SetImages(HBITMAP hbmp, CSize sizeImage, COLORREF clrTransparent)
{
    m_Images.Clear();
    m_Images.SetImageSize(sizeImage);
    m_Images.SetTransparentColor(clrTransparent);
    if (hbmp == nullptr)
        return FALSE;
    HBITMAP hCopy = static_cast<HBITMAP>(::CopyImage(hbmp, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hCopy == nullptr)
        return FALSE;
    const BOOL bAdded = m_Images.AddImage(hCopy) >= 0;
    ::DeleteObject(hCopy);
    Relayout();
    return bAdded;
}

// ---- Archive ----
//
// Layout: the page count, each page (id, name), the active page id, then the shortcut buttons
// as a list of CWTKOutlookButton objects. Loading reads everything aside first and changes the
// bar only when the whole archive was sound: pages with repeated ids, buttons of pages that do
// not exist and an active page that does not exist are refused.

void CWTKOutlookBar::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_lstPages.GetCount()));
        for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr;)
            m_lstPages.GetNext(pos)->Serialize(ar);
        ar << m_uiActivePageID;
        CObList stored;
        for (CWTKToolbarButton* pButton : m_Buttons) {
            if (dynamic_cast<CWTKOutlookButton*>(pButton) != nullptr)
                stored.AddTail(pButton);
        }
        stored.Serialize(ar, RUNTIME_CLASS(CWTKOutlookButton));
        return;
    }

    CObList pages;
    CWTKToolbarButtonList buttons;
    try {
        const DWORD_PTR nPages = ar.ReadCount();
        if (nPages > kMaxStoredPages)
            FwThrowArchiveException(CArchiveException::badIndex);
        ar.CheckCount(nPages, kMinStoredPageBytes);
        std::set<UINT> ids;
        for (DWORD_PTR i = 0; i < nPages; i++) {
            auto* pPage = new CWTKOutlookBarPage;
            pages.AddTail(pPage);
            pPage->Serialize(ar);
            if (!ids.insert(pPage->m_uiID).second)
                FwThrowArchiveException(CArchiveException::badIndex);
        }
        UINT uiActive = 0;
        ar >> uiActive;
        if (nPages > 0 && ids.count(uiActive) == 0)
            FwThrowArchiveException(CArchiveException::badIndex);
        buttons.Serialize(ar, RUNTIME_CLASS(CWTKOutlookButton), kMaxStoredButtons);
        for (const CWTKToolbarButton* pBarButton : buttons) {
            const auto* pButton = static_cast<const CWTKOutlookButton*>(pBarButton);
            if (pButton == nullptr || ids.count(pButton->m_uiPageID) == 0)
                FwThrowArchiveException(CArchiveException::badIndex);
        }

        // Sound: the stored pages and buttons replace the bar's own.
        for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr;) {
            auto* pPage = static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos));
            if (pPage->m_pWndPage != nullptr && pPage->m_pWndPage->GetSafeHwnd() != nullptr)
                pPage->m_pWndPage->ShowWindow(SW_HIDE);
        }
        DeleteAllPages();
        RemoveAllButtons();
        int i = 0;
        while (!pages.IsEmpty()) {
            auto* pPage = static_cast<CWTKOutlookBarPage*>(pages.RemoveHead());
            m_lstPages.AddTail(pPage);
            CreatePageButton(pPage, i++);
        }
        m_uiActivePageID = uiActive;
        while (!buttons.IsEmpty()) {
            std::unique_ptr<CWTKToolbarButton> pButton = buttons.RemoveAt(0);
            static_cast<CWTKOutlookButton*>(pButton.get())->m_pWndParentBar = this;
            InsertButtonObject(std::move(pButton), -1);
        }
    } catch (...) {
        DeleteObList(pages);
        throw;
    }
    m_nScrollOffset = 0;
    m_iFirstVisibleButton = 0;
    Relayout();
}

BOOL CWTKOutlookBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CString strKey = BuildStateKey(lpszProfileName, nIndex, uiID);
    return FwFalseOnException("Outlook bar state", [&]() -> BOOL {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        if (!reg.CreateKey(strKey))
            return FALSE;
        return reg.Write(kOutlookStateValue, *static_cast<CObject*>(this));
    });
}

BOOL CWTKOutlookBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CString strKey = BuildStateKey(lpszProfileName, nIndex, uiID);
    return FwFalseOnException("Outlook bar state", [&]() -> BOOL {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, TRUE);
        if (!reg.Open(strKey) || !reg.VerifyValue(kOutlookStateValue))
            return FALSE;
        // A damaged value leaves the bar as it was (Serialize changes nothing then).
        return reg.Read(kOutlookStateValue, *static_cast<CObject*>(this));
    });
}

// ---- Commands of the bar's own buttons ----

BOOL CWTKOutlookBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hwndFrom = reinterpret_cast<HWND>(lParam);
    if (hwndFrom != nullptr && ::GetParent(hwndFrom) == GetSafeHwnd()) {
        if (CWTKOutlookBarPage* pPage = PageOfButtonWindow(hwndFrom)) {
            SetActivePage(pPage->m_uiID, TRUE);
            return TRUE;
        }
        const UINT uiID = LOWORD(wParam);
        if (m_pScrollBack != nullptr && hwndFrom == m_pScrollBack->GetSafeHwnd()) {
            ScrollBack(m_bLargeScrollStep ? ButtonsFittingWhole() : 1);
            return TRUE;
        }
        if (m_pScrollForward != nullptr && hwndFrom == m_pScrollForward->GetSafeHwnd()) {
            ScrollForward(m_bLargeScrollStep ? ButtonsFittingWhole() : 1);
            return TRUE;
        }
        if (uiID == kCloseButtonId) {
            CloseBar();
            return TRUE;
        }
    }
    return CWTKToolBar::OnCommand(wParam, lParam);
}

void CWTKOutlookBar::Relayout()
{
    if (::IsWindow(GetSafeHwnd())) {
        AdjustLocations();
        Invalidate();
    }
}

void CWTKOutlookBar::CloseBar()
{
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->ShowControlBar(this, FALSE, FALSE);
    else
        ShowWindow(SW_HIDE);
}

void CWTKOutlookBar::SetSleepFunction(WTKOutlookSleepFunction pfn)
{
    SleepFunctionSlot() = pfn;
}

WTKOutlookSleepFunction& CWTKOutlookBar::SleepFunctionSlot()
{
    static WTKOutlookSleepFunction pfn = nullptr;
    return pfn;
}

CWTKButton* CWTKOutlookBar::GetScrollButton(BOOL bBack) const
{
    return bBack ? m_pScrollBack : m_pScrollForward;
}

BOOL CWTKOutlookBar::IsHorizontalBar() const
{
    return (m_dwStyle & kHorizontalDockStyle) != 0;
}

DWORD CWTKOutlookBar::CShortcutInfo::GetBarStyle() const
{
    return m_pBar->GetBarStyle();
}

BOOL CWTKOutlookBar::CShortcutInfo::IsDockable() const
{
    return m_pBar->IsDockable();
}

void CWTKOutlookBar::CShortcutInfo::FillWorkArea(CDC* pDC, const CRect& rect) const
{
    m_pBar->FillWorkArea(pDC, rect);
}
