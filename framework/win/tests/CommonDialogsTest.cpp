// The file dialog, driven from its hook dialog so that no person waits, and message boxes by
// string id through the application's message box.
#include "DialogTestApp.h"
#include "DialogTestsRes.h"
#include "win/FileDialog.h"
#include <gtest/gtest.h>

namespace {

// The file name box of the Explorer-style dialog (combo box or edit, by system version).
const int kFileNameCombo = 0x47C;
const int kFileNameEdit = 0x480;
const UINT kScriptMessage = WM_APP + 1;

// Types its path into the system dialog and presses OK, or presses Cancel without one.
class CScriptedFileDialog : public CFileDialog {
public:
    using CFileDialog::CFileDialog;
    CString m_strToChoose;
    bool m_bHadParent = false;

protected:
    BOOL OnInitDialog() override
    {
        CFileDialog::OnInitDialog();
        PostMessage(kScriptMessage);  // once the system dialog is up
        return TRUE;
    }
    LRESULT OnScript(WPARAM, LPARAM)
    {
        HWND hWndSystem = ::GetParent(m_hWnd);
        m_bHadParent = hWndSystem != nullptr;
        if (m_strToChoose.IsEmpty()) {
            ::PostMessageA(hWndSystem, WM_COMMAND, IDCANCEL, 0);
            return 0;
        }
        for (int nID : {kFileNameCombo, kFileNameEdit})
            ::SendMessageA(hWndSystem, CDM_SETCONTROLTEXT, (WPARAM)nID, (LPARAM)(LPCSTR)m_strToChoose);
        ::PostMessageA(hWndSystem, WM_COMMAND, IDOK, 0);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScriptedFileDialog, CFileDialog)
    ON_MESSAGE(kScriptMessage, OnScript)
END_MESSAGE_MAP()

TEST(CommonDialogsTest, FileDialogReturnsThePathChosenOrCancel)
{
    char szProgram[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    struct Row {
        BOOL bOpen;
        const char* pszChoose;  // empty: Cancel
        INT_PTR nExpected;
    } rows[] = {
        {TRUE, szProgram, IDOK},
        {TRUE, "", IDCANCEL},
        {FALSE, "", IDCANCEL},
    };
    for (const Row& row : rows) {
        CScriptedFileDialog dlg(row.bOpen, "exe", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                                "Executable (*.exe)|*.exe|All Files (*.*)|*.*||");
        dlg.m_strToChoose = row.pszChoose;
        EXPECT_EQ(row.nExpected, dlg.DoModal()) << row.bOpen << " " << row.pszChoose;
        EXPECT_TRUE(dlg.m_bHadParent);
        EXPECT_EQ(nullptr, dlg.m_hWnd);
        if (row.nExpected == IDOK) {
            EXPECT_EQ(0, lstrcmpiA(row.pszChoose, dlg.GetPathName())) << (LPCSTR)dlg.GetPathName();
        }
    }
}

TEST(CommonDialogsTest, MessageBoxByStringIdGoesThroughTheApplication)
{
    struct Row {
        UINT nType;
        UINT nIDHelp;
        UINT nExpectedHelp;
    } rows[] = {
        {MB_YESNO | MB_ICONQUESTION, (UINT)-1, IDS_REALLY_DELETE},  // the prompt is its own help
        {MB_OK, 77, 77},
    };
    for (const Row& row : rows) {
        theApp.m_messageBoxes.clear();
        theApp.m_nMessageBoxAnswer = IDNO;
        EXPECT_EQ(IDNO, FwMessageBox(IDS_REALLY_DELETE, row.nType, row.nIDHelp));
        ASSERT_EQ(1u, theApp.m_messageBoxes.size());
        EXPECT_EQ("Do you really want to delete it?", theApp.m_messageBoxes[0].text);
        EXPECT_EQ(row.nType, theApp.m_messageBoxes[0].nType);
        EXPECT_EQ(row.nExpectedHelp, theApp.m_messageBoxes[0].nIDHelp);
    }
    theApp.m_nMessageBoxAnswer = IDOK;
}

}  // namespace
