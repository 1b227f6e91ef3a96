// Dialogs from templates: modal through the framework's loop (scripted by a timer
// from inside), Enter and Esc, modeless, controls bound to members, a DLL's dialog,
// the colour chooser.
#include "WinTestSupport.h"
#include "dll/TestDll.h"
#include "win/ColorDialog.h"
#include "win/DataExchange.h"
#include "win/Dialog.h"
#include "win/Edit.h"
#include "win/ThreadState.h"
#include <gtest/gtest.h>
#include <functional>

namespace {

const UINT_PTR SCRIPT_TIMER = 7;

class CScriptedDialog : public CDialog {
public:
    CScriptedDialog() : CDialog(IDD_TEST) {}

    std::function<void(CScriptedDialog&)> m_script;  // runs on the first timer tick
    BOOL m_bEndInInit = FALSE;
    CString m_strName;
    int m_nFlag = 0;
    CEdit m_edit;
    std::vector<std::string> m_calls;
    int m_nKickIdle = 0;
    int m_nPreTranslate = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        ++m_nPreTranslate;
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_calls.push_back("init");
        if (m_bEndInInit)
            EndDialog(42);
        else
            SetTimer(SCRIPT_TIMER, 10);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_NAME, m_edit);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Check(pDX, IDC_FLAG, m_nFlag);
    }
    void OnOK() override
    {
        m_calls.push_back("OnOK");
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        m_calls.push_back("OnCancel");
        CDialog::OnCancel();
    }
    void OnTimer(UINT_PTR nIDEvent)
    {
        // The script starts once the loop has been idle.
        if (nIDEvent != SCRIPT_TIMER || m_nKickIdle == 0)
            return;
        KillTimer(SCRIPT_TIMER);
        if (m_script)
            m_script(*this);
    }
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++m_nKickIdle;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScriptedDialog, CDialog)
    ON_WM_TIMER()
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST(DialogTest, ModalDialogScriptedFromInside)
{
    ASSERT_EQ(nullptr, theApp.m_pMainWnd);  // no main window yet
    CScriptedDialog dlg;
    dlg.m_strName = "initial";
    std::string seenAtStart;
    dlg.m_script = [&seenAtStart](CScriptedDialog& d) {
        CString strText;
        d.m_edit.GetWindowText(strText);
        seenAtStart = strText;
        d.m_edit.SetWindowText("Hello");
        d.GetDlgItem(IDC_FLAG)->SendMessage(BM_CLICK);
        d.GetDlgItem(IDOK)->SendMessage(BM_CLICK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("initial", seenAtStart);     // members reached the controls
    EXPECT_STREQ("Hello", dlg.m_strName);  // and came back
    EXPECT_EQ(1, dlg.m_nFlag);
    EXPECT_EQ((std::vector<std::string> {"init", "OnOK"}), dlg.m_calls);
    // The framework's loop ran: idle and pre-translation happened inside it.
    EXPECT_GT(dlg.m_nKickIdle, 0);
    EXPECT_GT(dlg.m_nPreTranslate, 0);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);
}

// Runs a modal dialog from inside a message handler, holding a temporary object.
class CModalFromHandlerWnd : public CWnd {
public:
    HWND m_hWndForeign = nullptr;
    bool m_bTempSurvived = false;

protected:
    LRESULT OnRunDialog(WPARAM, LPARAM)
    {
        CWnd* pTemp = CWnd::FromHandle(m_hWndForeign);
        CScriptedDialog dlg;
        dlg.m_script = [](CScriptedDialog& d) {
            d.EndDialog(IDOK);
        };
        dlg.DoModal();
        CWnd* pStillTemp = FwGetThreadState()->windowMap.LookupTemporary(m_hWndForeign);
        m_bTempSurvived = pStillTemp == pTemp && pTemp->m_hWnd == m_hWndForeign;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalFromHandlerWnd, CWnd)
    ON_MESSAGE(WM_APP + 5, OnRunDialog)
END_MESSAGE_MAP()

TEST(DialogTest, TemporaryObjectsOfTheCallerOutliveTheModalLoop)
{
    CModalFromHandlerWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Caller", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.m_hWndForeign = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    wnd.SendMessage(WM_APP + 5);
    EXPECT_TRUE(wnd.m_bTempSurvived);
    ::DestroyWindow(wnd.m_hWndForeign);
    wnd.DestroyWindow();
}

TEST(DialogTest, EnterAndEscapeReachOnOKAndOnCancel)
{
    struct Row {
        WPARAM vk;
        INT_PTR expectedResult;
        const char* expectedCall;
    } rows[] = {
        {VK_RETURN, IDOK, "OnOK"},
        {VK_ESCAPE, IDCANCEL, "OnCancel"},
    };
    for (const Row& row : rows) {
        CScriptedDialog dlg;
        dlg.m_script = [&row](CScriptedDialog& d) {
            // Keys as the queue delivers them, to the focused edit control.
            d.m_edit.PostMessage(WM_KEYDOWN, row.vk, 1);
            d.m_edit.PostMessage(WM_KEYUP, row.vk, (LPARAM)0xC0000001);
        };
        EXPECT_EQ(row.expectedResult, dlg.DoModal()) << row.vk;
        EXPECT_EQ((std::vector<std::string> {"init", row.expectedCall}), dlg.m_calls) << row.vk;
    }
}

TEST(DialogTest, EndDialogInsideOnInitDialog)
{
    CScriptedDialog dlg;
    dlg.m_bEndInInit = TRUE;
    EXPECT_EQ(42, dlg.DoModal());
}

TEST(DialogTest, ModalDialogDisablesItsOwnerWhileItRuns)
{
    CWnd owner;
    ASSERT_TRUE(
        owner.CreateEx(0, nullptr, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr));
    theApp.m_pMainWnd = &owner;
    CScriptedDialog dlg;
    BOOL bOwnerEnabledInside = TRUE;
    HWND hWndOwnerOfDialog = nullptr;
    dlg.m_script = [&](CScriptedDialog& d) {
        bOwnerEnabledInside = owner.IsWindowEnabled();
        hWndOwnerOfDialog = ::GetWindow(d.m_hWnd, GW_OWNER);
        d.EndDialog(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_FALSE(bOwnerEnabledInside);
    EXPECT_EQ(owner.m_hWnd, hWndOwnerOfDialog);
    EXPECT_TRUE(owner.IsWindowEnabled());
    theApp.m_pMainWnd = nullptr;
    owner.DestroyWindow();
}

TEST(DialogTest, ModelessDialogBindsItsControls)
{
    CScriptedDialog dlg;
    dlg.m_strName = "modeless";
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, IDC_NAME), dlg.m_edit.m_hWnd);
    EXPECT_EQ(&dlg.m_edit, CWnd::FromHandlePermanent(dlg.m_edit.m_hWnd));
    CString strText;
    dlg.m_edit.GetWindowText(strText);
    EXPECT_STREQ("modeless", strText);
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);
}

TEST(DialogTest, DllDialogUsesTheDllsResources)
{
    HMODULE hDll = ::LoadLibraryA("fw_win_test_dll.dll");
    ASSERT_TRUE(hDll);
    auto pfnRun = (RunDllDialogFn)(void*)::GetProcAddress(hDll, "RunDllDialog");
    ASSERT_TRUE(pfnRun);
    char szReport[128] = "";
    EXPECT_EQ(IDOK, pfnRun(szReport, sizeof(szReport)));
    EXPECT_STREQ("Dialog of the DLL|typed", szReport);
    ::FreeLibrary(hDll);
}

// ---- The colour chooser ----

class CScriptedColorDialog : public CColorDialog {
public:
    using CColorDialog::CColorDialog;
    COLORREF m_clrToPick = 0;
    BOOL m_bCancel = FALSE;

protected:
    BOOL OnInitDialog() override
    {
        CColorDialog::OnInitDialog();
        if (!m_bCancel)
            SetCurrentColor(m_clrToPick);
        PostMessage(WM_COMMAND, m_bCancel ? IDCANCEL : IDOK);
        return TRUE;
    }
};

TEST(DialogTest, ColorDialogReturnsTheChosenColour)
{
    CScriptedColorDialog dlg(RGB(1, 2, 3), CC_FULLOPEN);
    dlg.m_clrToPick = RGB(10, 20, 30);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(RGB(10, 20, 30), dlg.GetColor());
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    CScriptedColorDialog cancelled(RGB(1, 2, 3));
    cancelled.m_bCancel = TRUE;
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
}

}  // namespace
