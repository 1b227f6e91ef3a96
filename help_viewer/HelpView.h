// CHelpView: the HTML view that shows the help pages. Every completed page enters the
// document's history; Back, Forward and the history picks navigate through that history,
// the text size commands set the zoom, Refresh reloads the page.
#pragma once
#include "html/HtmlView.h"

class CHelpDoc;
class CCmdUI;

class CHelpView : public CHtmlView {
    DECLARE_DYNCREATE(CHelpView)
public:
    CHelpView() = default;

    // Null when the view shows no CHelpDoc.
    CHelpDoc* GetHelpDoc() const;
    // Navigates to the page of a topic of the current content module; nothing when the module
    // has no page-address export or the topic is not one of its topics.
    BOOL ShowTopic(int nTopic);

    // The first update shows the start topic.
    void OnInitialUpdate() override;

protected:
    void OnTitleChange(LPCSTR lpszText) override;
    void OnDocumentComplete(LPCSTR lpszURL) override;

    void OnTextSize(UINT nID);
    void OnPageRefresh();
    void OnPageBack();
    void OnPageForward();
    void OnUpdatePageBack(CCmdUI* pCmdUI);
    void OnUpdatePageForward(CCmdUI* pCmdUI);
    void OnHistoryPick(UINT nID);
    DECLARE_MESSAGE_MAP()
};
