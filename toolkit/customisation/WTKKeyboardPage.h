// CWTKKeyboardPage: the sheet's "Keyboard" page: choose a table (a document template's or the
// frame's default), a category and a command; see its keys, remove one, or press a new key and
// assign it. Every change is handed to the keyboard manager at once.
#pragma once
#include "customisation/KeyAssignEdit.h"

#include "win/Button.h"
#include "win/ComboBox.h"
#include "win/ListBox.h"
#include "win/PropertyPage.h"
#include "win/Static.h"

#include <vector>

class CMultiDocTemplate;
class CWTKToolbarButton;

class CWTKKeyboardPage : public CPropertyPage {
    DECLARE_DYNCREATE(CWTKKeyboardPage)
public:
    CWTKKeyboardPage();
    ~CWTKKeyboardPage() override;

    // The page's copy of the chosen table.
    const std::vector<ACCEL>& GetAccelerators() const { return m_accelerators; }
    CKeyAssignEdit& GetKeyEdit() { return m_wndNewKey; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSelchangeCategory();
    void OnSelchangeCommandsList();
    void OnSelchangeTable();
    void OnSelchangeCurrentKeys();
    void OnUpdateNewKey();
    void OnAssign();
    void OnRemove();
    void OnResetAll();
    DECLARE_MESSAGE_MAP()

    void FillTables();
    // The template of the chosen table (null for "Default").
    CMultiDocTemplate* GetSelectedTemplate() const;
    CWTKToolbarButton* GetSelectedCommand() const;
    void ShowCurrentKeys();
    // Hands the page's table to the keyboard manager for the chosen owner.
    BOOL InstallTable();
    void ShowAssignedTo(LPCSTR lpszText);

    CComboBox m_wndCategory;
    CListBox m_wndCommandsList;
    CStatic m_wndDescription;
    CComboBox m_wndTableList;
    CStatic m_wndTableIcon;
    CListBox m_wndCurrentKeys;
    CKeyAssignEdit m_wndNewKey;
    CButton m_wndAssignButton;
    CButton m_wndRemoveButton;
    CStatic m_wndAssignedToLabel;
    CStatic m_wndAssignedTo;

    std::vector<ACCEL> m_accelerators;
};
