// CSearchDlg: the content bar's Search pane: the topics whose keywords contain the text in the
// edit box, sorted by title. Choosing a title shows its topic.
#pragma once
#include "win/Button.h"
#include "win/Dialog.h"
#include "win/Edit.h"
#include "win/ListBox.h"

class CSearchDlg : public CDialog {
public:
    CSearchDlg() = default;

    // Searches the keywords of the current content module for the edit box's text (case
    // ignored); a module without the keyword, title or count export leaves the list as it is.
    void DoSearch();
    // Empties the result list (another documentation was loaded).
    void ClearResults();

    CListBox& GetList() { return m_list; }
    CEdit& GetEdit() { return m_edit; }
    CButton& GetSearchButton() { return m_button; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override {}
    void OnCancel() override {}

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnEditChange();
    void OnSearchButton();
    void OnListSelChange();
    DECLARE_MESSAGE_MAP()

private:
    CListBox m_list;
    CEdit m_edit;
    CButton m_button;
};
