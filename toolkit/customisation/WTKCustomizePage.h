// CWTKCustomizePage: the sheet's "Commands" page. The categories on the left, the commands of the
// chosen category on the right (dragged from there onto toolbars and menus), the chosen command's
// description below.
#pragma once
#include "customisation/CommandsListBox.h"

#include "command_bars/WTKToolbarButtonList.h"

#include "win/ListBox.h"
#include "win/PropertyPage.h"

class CWTKToolbarButton;

class CWTKCustomizePage : public CPropertyPage {
    DECLARE_DYNCREATE(CWTKCustomizePage)
public:
    CWTKCustomizePage();

    // Refills the commands list with the category's commands (the "All Commands" category in
    // ascending text order, the others in their order).
    void SelectCategory(int nIndex);
    CListBox& GetCategoriesList() { return m_wndCategory; }
    CCommandsListBox& GetCommandsList() { return m_wndCommands; }

    // The text a command shows in a category's list: its alternative text when it has one and
    // the category is "All Commands" or another of its commands has the same text.
    static CString GetDisplayText(const CWTKToolbarButton& button, const CWTKToolbarButtonList& lstCommands,
                                  BOOL bAllCommands);
    // Adds a command's entry, before the first entry with a greater text when bSorted; its index.
    static int AddCommandItem(CListBox& wndList, const CString& strText, CWTKToolbarButton* pButton, BOOL bSorted);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSelchangeCategory();
    void OnSelchangeCommands();
    DECLARE_MESSAGE_MAP()

    void FillCommands(const CWTKToolbarButtonList& lstCommands, BOOL bAllCommands);
    void ShowDescription(const CWTKToolbarButton* pButton);

    CListBox m_wndCategory;
    CCommandsListBox m_wndCommands;
};
