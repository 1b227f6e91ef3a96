// CIndexDlg: the content bar's Index pane: every topic title in alphabetical order, with
// type-ahead in the edit box above the list. Choosing a title shows its topic.
#pragma once
#include "win/Dialog.h"
#include "win/Edit.h"
#include "win/ListBox.h"

class CIndexDlg : public CDialog {
public:
    CIndexDlg() = default;

    // Refills the list from the current content module; a module without the title or count
    // export leaves it empty: another module's titles would open wrong pages.
    void FillIndex();

    CListBox& GetList() { return m_list; }
    CEdit& GetEdit() { return m_edit; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // A pane never ends: Enter and Escape leave it as it is.
    void OnOK() override {}
    void OnCancel() override {}

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnEditChange();
    void OnListSelChange();
    DECLARE_MESSAGE_MAP()

private:
    CListBox m_list;
    CEdit m_edit;
    // Set while the pane writes the chosen title into the edit box itself, so that the
    // type-ahead does not move the selection to another entry of the same title.
    BOOL m_bCopyingTitle = FALSE;
};
