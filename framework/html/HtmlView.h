// CHtmlView: the view that shows pages of "res:" addresses, in place of the
// embedded browser control. Navigation is posted and completes after Navigate
// returns; only the last of several pending navigations completes. The events
// are virtual members for derived views to override. A frame creates it by
// runtime class as its pane; it can also be created as a window of its own.
#pragma once
#include "html/HtmlDocument.h"
#include "html/HtmlFontCache.h"
#include "html/HtmlLayout.h"
#include "html/ResModuleCache.h"
#include "docview/View.h"
#include "win/FrameworkRes.h"

#include <docobj.h>

#include <memory>
#include <string>
#include <vector>

class CHtmlView : public CView {
    DECLARE_DYNCREATE(CHtmlView)
public:
    CHtmlView();
    ~CHtmlView() override;

    // ---- Operations ----
    // Only the address is used; the other arguments are accepted and ignored.
    void Navigate(LPCSTR lpszURL, DWORD dwFlags = 0, LPCSTR lpszTargetFrameName = nullptr, LPCSTR lpszHeaders = nullptr,
                  LPVOID lpvPostData = nullptr, DWORD dwPostDataLen = 0);
    void Navigate2(LPCSTR lpszURL, DWORD dwFlags = 0, LPCSTR lpszTargetFrameName = nullptr,
                   LPCSTR lpszHeaders = nullptr, LPVOID lpvPostData = nullptr, DWORD dwPostDataLen = 0);
    void GoBack();
    void GoForward();
    // Reloads the current address and keeps the scroll position where it can.
    void Refresh();
    // The execute-command call: OLECMDID_ZOOM (a VT_I4 of 0 to 4 in, the level out),
    // OLECMDID_REFRESH and OLECMDID_PRINT.
    HRESULT ExecWB(OLECMDID cmdID, OLECMDEXECOPT cmdexecopt, VARIANT* pvaIn, VARIANT* pvaOut);
    // The page's title, else its address.
    CString GetLocationName() const;
    CString GetLocationURL() const;

    // ---- Printing ----
    // Prints the page as laid out on the screen, cut into pages; returns the
    // number of pages printed (0 when the device refuses the document).
    int PrintDocument(HDC hPrinterDC);

    // ---- Rendering and inspection ----
    // Paints the page from page position nTop into a rectangle of any device context.
    void DrawPage(HDC hDC, const RECT& rcTarget, int nTop);
    const CHtmlLayout& GetLayout() const { return m_layout; }
    CString GetLayoutDump() const;
    int GetScrollTop() const { return m_scrollTop; }
    int GetZoom() const { return m_zoom; }

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // The first update navigates nowhere: what to show first is the program's choice.
    void OnInitialUpdate() override {}

protected:
    // ---- Events ----
    // Before a page is loaded; set *pbCancel to stop the navigation.
    virtual void OnBeforeNavigate2(LPCSTR lpszURL, DWORD nFlags, LPCSTR lpszTargetFrameName, LPCSTR lpszHeaders,
                                   BOOL* pbCancel);
    // Once per page that loaded, before OnDocumentComplete: the title, else the address.
    virtual void OnTitleChange(LPCSTR lpszText);
    virtual void OnDocumentComplete(LPCSTR lpszURL);
    // A link with a target asks for a new window; set *pbCancel to refuse.
    // Addresses outside "res:" then go to the shell; "res:" ones open here.
    virtual void OnNewWindow2(LPCSTR lpszURL, LPCSTR lpszTargetFrameName, BOOL* pbCancel);

    void OnFilePrint();

    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    void OnPaint();
    LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    LRESULT OnNavigateMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    enum class NavigationKind { Normal, Back, Forward, Refresh };
    struct Navigation {
        std::string address;
        NavigationKind kind = NavigationKind::Normal;
        int historyIndex = -1;
    };

    void Post(Navigation navigation);
    void Complete(const Navigation& navigation);
    void Relayout();
    int ClientHeight() const;
    void ScrollTo(int top);
    void UpdateScrollBar();
    void SetHoverLink(int link);
    int LinkAt(CPoint point) const;
    void FollowLink(int link);
    void SetZoom(int zoom);

    CResModuleCache m_modules;
    CHtmlFontCache m_fonts;
    std::unique_ptr<CHtmlDocument> m_document;
    CHtmlLayout m_layout;
    int m_zoom;
    int m_scrollTop = 0;
    int m_hoverLink = -1;
    int m_pressedLink = -1;
    std::string m_address;
    std::string m_locationName;
    Navigation m_pending;
    bool m_hasPending = false;
    WPARAM m_navigationSerial = 0;
    std::vector<std::string> m_history;
    int m_historyIndex = -1;
};
