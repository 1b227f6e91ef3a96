#include "html/HtmlView.h"

#include "gdi/MemDC.h"
#include "win/PaintDC.h"
#include "html/HtmlConstants.h"
#include "html/HtmlPainter.h"
#include "html/HtmlPrintDialog.h"
#include "html/ResUrl.h"
#include "win/ShellLauncher.h"
#include "win/WndLifeGuard.h"

#include <algorithm>

namespace {

// The posted navigation; wParam is its serial number.
UINT NavigateMessage()
{
    static const UINT message = ::RegisterWindowMessageA("FwHtmlViewNavigate");
    return message;
}

UINT g_navigateMessage = NavigateMessage();

bool OpensNewWindow(const std::string& target)
{
    return !target.empty() && lstrcmpiA(target.c_str(), "_self") != 0 && lstrcmpiA(target.c_str(), "_top") != 0 &&
        lstrcmpiA(target.c_str(), "_parent") != 0;
}

}  // namespace

IMPLEMENT_DYNCREATE(CHtmlView, CView)

BEGIN_MESSAGE_MAP(CHtmlView, CView)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_ERASEBKGND, OnEraseBackground)
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_REGISTERED_MESSAGE(g_navigateMessage, OnNavigateMessage)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
END_MESSAGE_MAP()

CHtmlView::CHtmlView() : m_document(std::make_unique<CHtmlDocument>()), m_zoom(HtmlConst::kDefaultZoom) {}

CHtmlView::~CHtmlView() = default;

BOOL CHtmlView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), nullptr);
    cs.style |= WS_VSCROLL;
    return cs.lpszClass != nullptr;
}

int CHtmlView::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    Relayout();
    // A navigation asked for before the window existed goes now.
    if (m_hasPending)
        PostMessage(g_navigateMessage, m_navigationSerial);
    return 0;
}

// ---- Navigation -----------------------------------------------------------------

void CHtmlView::Navigate(LPCSTR lpszURL, DWORD, LPCSTR, LPCSTR, LPVOID, DWORD)
{
    Navigation navigation;
    navigation.address = lpszURL ? lpszURL : "";
    Post(navigation);
}

void CHtmlView::Navigate2(LPCSTR lpszURL, DWORD dwFlags, LPCSTR lpszTargetFrameName, LPCSTR lpszHeaders,
                          LPVOID lpvPostData, DWORD dwPostDataLen)
{
    Navigate(lpszURL, dwFlags, lpszTargetFrameName, lpszHeaders, lpvPostData, dwPostDataLen);
}

void CHtmlView::GoBack()
{
    int index = m_historyIndex - 1;
    if (index < 0 || index >= int(m_history.size()))
        return;
    Post({m_history[std::size_t(index)], NavigationKind::Back, index});
}

void CHtmlView::GoForward()
{
    int index = m_historyIndex + 1;
    if (index < 1 || index >= int(m_history.size()))
        return;
    Post({m_history[std::size_t(index)], NavigationKind::Forward, index});
}

void CHtmlView::Refresh()
{
    if (m_address.empty())
        return;
    Post({m_address, NavigationKind::Refresh, -1});
}

void CHtmlView::Post(Navigation navigation)
{
    if (navigation.address.size() > HtmlConst::kMaxAddressLength)
        navigation.address.resize(HtmlConst::kMaxAddressLength);
    m_pending = std::move(navigation);
    m_hasPending = true;
    ++m_navigationSerial;
    if (m_hWnd)
        PostMessage(g_navigateMessage, m_navigationSerial);
}

LRESULT CHtmlView::OnNavigateMessage(WPARAM wParam, LPARAM)
{
    // Only the last navigation asked for completes.
    if (!m_hasPending || wParam != m_navigationSerial)
        return 0;
    Navigation navigation = m_pending;
    m_hasPending = false;
    if (navigation.kind != NavigationKind::Refresh) {
        const CWndLifeGuard self(this);
        BOOL cancel = FALSE;
        WPARAM serial = m_navigationSerial;
        OnBeforeNavigate2(navigation.address.c_str(), 0, nullptr, nullptr, &cancel);
        if (!self.IsAlive() || m_hWnd == nullptr || cancel || serial != m_navigationSerial)
            return 0;
    }
    Complete(navigation);
    return 0;
}

void CHtmlView::Complete(const Navigation& navigation)
{
    const std::string& address = navigation.address;
    auto document = std::make_unique<CHtmlDocument>();
    bool loaded = CResUrl::IsResAddress(address) && document->Load(CResUrl::WithoutAnchor(address), m_modules);
    if (!loaded)
        document->LoadErrorPage(address);
    int previousTop = m_scrollTop;
    m_document = std::move(document);
    m_address = address;
    m_locationName = (loaded && !m_document->Title().empty()) ? m_document->Title() : address;
    m_hoverLink = m_pressedLink = -1;
    Relayout();

    int top = 0;
    CResUrl url;
    if (navigation.kind == NavigationKind::Refresh)
        top = previousTop;
    else if (CResUrl::Split(address, url) && !url.anchor.empty())
        m_layout.AnchorTop(url.anchor, top);
    ScrollTo(top);
    SetWindowText(address.c_str());
    Invalidate(FALSE);

    if (navigation.kind == NavigationKind::Back || navigation.kind == NavigationKind::Forward) {
        m_historyIndex = navigation.historyIndex;
    } else if (navigation.kind == NavigationKind::Normal && loaded) {
        m_history.resize(std::size_t(m_historyIndex + 1));
        if (m_history.empty() || m_history.back() != address)
            m_history.push_back(address);
        if (m_history.size() > HtmlConst::kMaxHistory)
            m_history.erase(m_history.begin());
        m_historyIndex = int(m_history.size()) - 1;
    }
    if (!loaded)
        return;  // the error page: no title change, no document complete

    const CWndLifeGuard self(this);
    std::string name = m_locationName;
    OnTitleChange(name.c_str());
    if (!self.IsAlive() || m_hWnd == nullptr)
        return;
    OnDocumentComplete(address.c_str());
}

void CHtmlView::OnBeforeNavigate2(LPCSTR, DWORD, LPCSTR, LPCSTR, BOOL*) {}

void CHtmlView::OnTitleChange(LPCSTR) {}

void CHtmlView::OnDocumentComplete(LPCSTR) {}

void CHtmlView::OnNewWindow2(LPCSTR, LPCSTR, BOOL*) {}

CString CHtmlView::GetLocationName() const
{
    return CString(m_locationName.c_str());
}

CString CHtmlView::GetLocationURL() const
{
    return CString(m_address.c_str());
}

CString CHtmlView::GetLayoutDump() const
{
    return CString(m_layout.Dump(m_fonts).c_str());
}

// ---- Zoom and commands ----------------------------------------------------------

HRESULT CHtmlView::ExecWB(OLECMDID cmdID, OLECMDEXECOPT, VARIANT* pvaIn, VARIANT* pvaOut)
{
    switch (cmdID) {
    case OLECMDID_ZOOM:
        if (pvaIn && pvaIn->vt != VT_EMPTY) {
            VARIANT value;
            VariantInit(&value);
            if (FAILED(VariantChangeType(&value, pvaIn, 0, VT_I4)))
                return E_INVALIDARG;
            if (value.lVal < 0 || value.lVal >= HtmlConst::kZoomLevels)
                return E_INVALIDARG;
            SetZoom(int(value.lVal));
        }
        if (pvaOut) {
            VariantClear(pvaOut);
            pvaOut->vt = VT_I4;
            pvaOut->lVal = m_zoom;
        }
        return S_OK;
    case OLECMDID_REFRESH:
        Refresh();
        return S_OK;
    case OLECMDID_PRINT:
        OnFilePrint();
        return S_OK;
    default:
        return OLECMDERR_E_NOTSUPPORTED;
    }
}

void CHtmlView::SetZoom(int zoom)
{
    if (zoom == m_zoom)
        return;
    int oldHeight = std::max(1, m_layout.Height());
    int oldTop = m_scrollTop;
    m_zoom = zoom;
    Relayout();
    // Keep the same part of the page in view.
    ScrollTo(int((long long)oldTop * m_layout.Height() / oldHeight));
    Invalidate(FALSE);
}

// ---- Layout, painting, scrolling -----------------------------------------------------

void CHtmlView::Relayout()
{
    RECT client {0, 0, 0, 0};
    if (m_hWnd)
        GetClientRect(&client);
    m_layout.Build(*m_document, m_fonts, client.right - client.left, m_zoom);
    m_hoverLink = std::min(m_hoverLink, int(m_layout.Links().size()) - 1);
    UpdateScrollBar();
}

int CHtmlView::ClientHeight() const
{
    RECT client {0, 0, 0, 0};
    if (m_hWnd)
        ::GetClientRect(m_hWnd, &client);
    return client.bottom - client.top;
}

void CHtmlView::UpdateScrollBar()
{
    if (!m_hWnd)
        return;
    int maxTop = std::max(0, m_layout.Height() - ClientHeight());
    m_scrollTop = std::clamp(m_scrollTop, 0, maxTop);
    SCROLLINFO si {};
    // The bar stays (disabled when not needed) so that the width never changes.
    si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = std::max(0, m_layout.Height() - 1);
    si.nPage = UINT(std::max(0, ClientHeight()));
    si.nPos = m_scrollTop;
    // Setting the bar redraws it at once, which costs more than laying out a page: a
    // navigation asks twice with the same values, and only a change is drawn.
    SCROLLINFO shown {};
    shown.cbSize = sizeof(shown);
    shown.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (::GetScrollInfo(m_hWnd, SB_VERT, &shown) && shown.nMin == si.nMin && shown.nMax == si.nMax &&
        shown.nPage == si.nPage && shown.nPos == si.nPos)
        return;
    SetScrollInfo(SB_VERT, &si, TRUE);
}

void CHtmlView::ScrollTo(int top)
{
    int maxTop = std::max(0, m_layout.Height() - ClientHeight());
    top = std::clamp(top, 0, maxTop);
    if (top == m_scrollTop) {
        UpdateScrollBar();
        return;
    }
    m_scrollTop = top;
    UpdateScrollBar();
    Invalidate(FALSE);
}

void CHtmlView::DrawPage(HDC hDC, const RECT& rcTarget, int nTop)
{
    CHtmlPainter::Paint(hDC, m_layout, m_fonts, POINT {rcTarget.left, rcTarget.top - nTop}, rcTarget, m_hoverLink);
}

void CHtmlView::OnPaint()
{
    CPaintDC dc(this);
    const CRect area(dc.m_ps.rcPaint);
    if (area.IsRectEmpty())
        return;
    // Painted off screen first: a page drawn run by run would flicker while scrolling.
    CMemDC buffer(&dc, area);
    DrawPage(buffer.GetSafeHdc(), area, m_scrollTop);
}

LRESULT CHtmlView::OnEraseBackground(WPARAM, LPARAM)
{
    return TRUE;  // painting covers everything
}

void CHtmlView::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (cx != m_layout.Width()) {
        Relayout();
        Invalidate(FALSE);
    } else {
        UpdateScrollBar();
    }
}

void CHtmlView::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    int page = std::max(HtmlConst::kLineStep, ClientHeight() - HtmlConst::kLineStep);
    switch (nSBCode) {
    case SB_LINEUP:
        ScrollTo(m_scrollTop - HtmlConst::kLineStep);
        break;
    case SB_LINEDOWN:
        ScrollTo(m_scrollTop + HtmlConst::kLineStep);
        break;
    case SB_PAGEUP:
        ScrollTo(m_scrollTop - page);
        break;
    case SB_PAGEDOWN:
        ScrollTo(m_scrollTop + page);
        break;
    case SB_TOP:
        ScrollTo(0);
        break;
    case SB_BOTTOM:
        ScrollTo(m_layout.Height());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        if (::GetScrollInfo(m_hWnd, SB_VERT, &si))
            ScrollTo(si.nTrackPos);
        break;
    }
    default:
        break;
    }
}

BOOL CHtmlView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    if (lines == WHEEL_PAGESCROLL)
        lines = UINT(std::max(1, ClientHeight() / HtmlConst::kLineStep));
    ScrollTo(m_scrollTop - zDelta * int(std::min(lines, 100u)) * HtmlConst::kLineStep / WHEEL_DELTA);
    return TRUE;
}

void CHtmlView::OnKeyDown(UINT nChar, UINT, UINT)
{
    int page = std::max(HtmlConst::kLineStep, ClientHeight() - HtmlConst::kLineStep);
    bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (nChar) {
    case VK_UP:
        ScrollTo(m_scrollTop - HtmlConst::kLineStep);
        break;
    case VK_DOWN:
        ScrollTo(m_scrollTop + HtmlConst::kLineStep);
        break;
    case VK_PRIOR:
        ScrollTo(m_scrollTop - page);
        break;
    case VK_NEXT:
        ScrollTo(m_scrollTop + page);
        break;
    case VK_SPACE:
        ScrollTo(m_scrollTop + (shift ? -page : page));
        break;
    case VK_HOME:
        ScrollTo(0);
        break;
    case VK_END:
        ScrollTo(m_layout.Height());
        break;
    default:
        Default();
        break;
    }
}

// ---- Links ----------------------------------------------------------------------

int CHtmlView::LinkAt(CPoint point) const
{
    return m_layout.HitTest(POINT {point.x, point.y + m_scrollTop});
}

void CHtmlView::SetHoverLink(int link)
{
    if (link == m_hoverLink)
        return;
    m_hoverLink = link;
    Invalidate(FALSE);
}

void CHtmlView::OnMouseMove(UINT, CPoint point)
{
    int link = LinkAt(point);
    if (link >= 0 && m_hoverLink < 0) {
        TRACKMOUSEEVENT tme {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        TrackMouseEvent(&tme);
    }
    SetHoverLink(link);
    ::SetCursor(::LoadCursorA(nullptr, link >= 0 ? IDC_HAND : IDC_ARROW));
}

void CHtmlView::OnMouseLeave()
{
    SetHoverLink(-1);
}

BOOL CHtmlView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursorA(nullptr, m_hoverLink >= 0 ? IDC_HAND : IDC_ARROW));
    return TRUE;
}

void CHtmlView::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    m_pressedLink = LinkAt(point);
}

void CHtmlView::OnLButtonUp(UINT, CPoint point)
{
    int link = LinkAt(point);
    bool follow = link >= 0 && link == m_pressedLink;
    m_pressedLink = -1;
    if (follow)
        FollowLink(link);
}

void CHtmlView::FollowLink(int link)
{
    if (link < 0 || link >= int(m_layout.Links().size()))
        return;
    CHtmlLink target = m_layout.Links()[std::size_t(link)];
    if (!OpensNewWindow(target.target)) {
        Navigate2(target.address.c_str());
        return;
    }
    const CWndLifeGuard self(this);
    BOOL cancel = FALSE;
    OnNewWindow2(target.address.c_str(), target.target.c_str(), &cancel);
    if (cancel || !self.IsAlive() || m_hWnd == nullptr)
        return;
    // Other addresses are never rendered here: the shell opens them.
    if (CResUrl::IsResAddress(target.address))
        Navigate2(target.address.c_str());
    else
        FwShellExecute(m_hWnd, "open", target.address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// ---- Printing ---------------------------------------------------------------------

void CHtmlView::OnFilePrint()
{
    HDC dc = FwHtmlPrintDialog(m_hWnd);
    if (!dc)
        return;
    PrintDocument(dc);
    DeleteDC(dc);
}

int CHtmlView::PrintDocument(HDC hPrinterDC)
{
    int dpiX = GetDeviceCaps(hPrinterDC, LOGPIXELSX), dpiY = GetDeviceCaps(hPrinterDC, LOGPIXELSY);
    int pageWidth = GetDeviceCaps(hPrinterDC, HORZRES), pageHeight = GetDeviceCaps(hPrinterDC, VERTRES);
    if (dpiX <= 0 || dpiY <= 0 || pageWidth <= 0 || pageHeight <= 0)
        return 0;
    // The screen layout scaled to the printer's resolution, narrowed when wider than the paper.
    long long layoutWidth = std::max(1, m_layout.Width());
    long long scaleNum =
        std::min<long long>((long long)dpiX * layoutWidth, (long long)pageWidth * HtmlConst::kLayoutDpi);
    long long scaleDen = (long long)HtmlConst::kLayoutDpi * layoutWidth;
    while (scaleNum > 1000000 || scaleDen > 1000000) {  // extents are ints
        scaleNum = std::max<long long>(1, scaleNum / 2);
        scaleDen = std::max<long long>(1, scaleDen / 2);
    }
    int pageLayoutHeight = int(std::clamp<long long>((long long)pageHeight * scaleDen * dpiX / (scaleNum * dpiY), 1,
                                                     HtmlConst::kMaxLayoutExtent));
    std::vector<int> starts = m_layout.PageStarts(pageLayoutHeight);

    std::string title = m_locationName;
    DOCINFOA doc {};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = title.c_str();
    if (StartDocA(hPrinterDC, &doc) <= 0)
        return 0;
    int printed = 0;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        int top = starts[i];
        int bottom = i + 1 < starts.size() ? starts[i + 1] : m_layout.Height();
        if (StartPage(hPrinterDC) <= 0)
            break;
        int saved = SaveDC(hPrinterDC);
        SetMapMode(hPrinterDC, MM_ANISOTROPIC);
        SetWindowExtEx(hPrinterDC, int(scaleDen), int(scaleDen), nullptr);
        SetViewportExtEx(hPrinterDC, int(scaleNum), int(scaleNum * dpiY / dpiX), nullptr);
        RECT area {0, 0, int(layoutWidth), bottom - top};
        IntersectClipRect(hPrinterDC, area.left, area.top, area.right, area.bottom);
        CHtmlPainter::Paint(hPrinterDC, m_layout, m_fonts, POINT {0, -top}, area, -1);
        RestoreDC(hPrinterDC, saved);
        if (EndPage(hPrinterDC) <= 0)
            break;
        ++printed;
    }
    EndDoc(hPrinterDC);
    return printed;
}
