// What the Menu, Mouse and Options page tests share: a sheet opened with one of the pages, the
// page's controls driven as the user drives them (the control's notification reaches the page),
// and a record of the registered messages the frame is sent.
#pragma once
#include "CustomizeTestFrame.h"

#include <vector>

// Opens the sheet on the frame and makes its page of pPageClass active (null when the sheet
// has none); the sheet owns its pages.
CPropertyPage* OpenSheetOnPage(CCustomizeTestFrame* pFrame, CRuntimeClass* pPageClass, UINT uiFlags,
                               CWTKToolbarCustomize** ppSheet);

// The same for a page the caller made to name the class: it is deleted and pPage then names
// the sheet's own page of that class.
template <class TPage>
CWTKToolbarCustomize* OpenSheetOnPage(CCustomizeTestFrame* pFrame, TPage*& pPage,
                                      UINT uiFlags = CWTKToolbarCustomize::kDefaultFlags)
{
    CRuntimeClass* pClass = pPage->GetRuntimeClass();
    delete pPage;
    CWTKToolbarCustomize* pSheet = nullptr;
    pPage = static_cast<TPage*>(OpenSheetOnPage(pFrame, pClass, uiFlags, &pSheet));
    return pSheet;
}

// A click on a button of the page (BM_CLICK: auto check boxes and radio buttons change state).
void ClickControl(CWnd* pPage, int nID);
// Selects an entry of a combo box or list box of the page and tells the page.
void SelectComboEntry(CWnd* pPage, int nID, int nIndex);
void SelectListEntry(CWnd* pPage, int nID, int nIndex);
CString ControlText(CWnd* pPage, int nID);
bool IsControlEnabled(CWnd* pPage, int nID);
bool IsControlVisible(CWnd* pPage, int nID);

// Records the messages sent to one window on this thread while it lives.
class SentMessageRecorder {
public:
    struct Sent {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    explicit SentMessageRecorder(HWND hWnd);
    ~SentMessageRecorder();
    SentMessageRecorder(const SentMessageRecorder&) = delete;
    SentMessageRecorder& operator=(const SentMessageRecorder&) = delete;

    // The records of one message, in order.
    std::vector<Sent> Of(UINT message) const;

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    HWND m_hWnd;
    HHOOK m_hHook = nullptr;
    std::vector<Sent> m_sent;
    static SentMessageRecorder* s_pActive;
};
