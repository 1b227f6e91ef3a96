// CWTKDialogBar: a docking bar whose content is a dialog template. It is a sizing control bar
// that either sizes like one (the sizing flag) or keeps the template's size, stretched along its
// dock side; its controls report to the frame, which updates their states.
#pragma once
#include "frames/WTKSizingControlBar.h"

class CWTKDialogBar : public CWTKSizingControlBar {
    DECLARE_SERIAL(CWTKDialogBar)
public:
    static constexpr UINT kSchema = 0x80000001;
    // The length of a stretched bar that the frame lays out itself, before the frame cuts it.
    static constexpr int kStretchedLength = 32767;

    CWTKDialogBar();
    ~CWTKDialogBar() override;

    // The bar from template nIDTemplate, a child of pParentWnd with the bar style in dwStyle;
    // bSizing makes it size like a sizing bar, else it keeps the template's size.
    BOOL Create(LPCSTR lpszWindowName, CWnd* pParentWnd, UINT nIDTemplate, UINT nID, BOOL bSizing = FALSE,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, BOOL bHasGripper = TRUE);
    using CWTKSizingControlBar::Create;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // The template's OLE control data; the framework creates no OLE controls, so a template
    // that needs them fails its initialisation.
    BOOL SetOccDialogInfo(void* pOccDialogInfo);

    BOOL IsSizing() const { return m_bSizing; }
    void SetSizing(BOOL bSizing) { m_bSizing = bSizing; }
    // The template's size in pixels.
    CSize GetTemplateSize() const { return m_sizeDefault; }

protected:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    BOOL m_bSizing = FALSE;
    void* m_pOccDialogInfo = nullptr;
    LPCSTR m_lpszTemplateName = nullptr;
    CSize m_sizeDefault;
};
