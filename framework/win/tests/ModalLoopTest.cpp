// The framework's modal loop: keys go to PreTranslateMessage from the focused control up to
// the modal window, before the dialog manager and never to the disabled owner; idle periods
// reach the thread's idle processing and the owner's WM_ENTERIDLE. Scripted from inside.
#include "DialogTestApp.h"
#include "DialogTestsRes.h"
#include "win/DataExchange.h"
#include "win/Dialog.h"
#include "win/Edit.h"
#include <gtest/gtest.h>
#include <functional>

namespace {

const UINT_PTR kScriptTimer = 9;
typedef std::vector<std::string> Calls;

std::string KeyCall(const char* pszWho, WPARAM vk)
{
    return std::string(pszWho) + ":" + std::to_string(vk);
}

// A main window that records what reaches it while a modal window runs over it.
class COwnerWnd : public CWnd {
public:
    Calls m_calls;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            m_calls.push_back(KeyCall("owner", pMsg->wParam));
        return FALSE;
    }

protected:
    LRESULT OnEnterIdle(WPARAM wParam, LPARAM)
    {
        if (m_calls.empty() || m_calls.back() != "enteridle")
            m_calls.push_back(wParam == MSGF_DIALOGBOX ? "enteridle" : "enteridle?");
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

// Owner and main window for one test.
class ModalLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_owner.CreateEx(0, nullptr, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
        theApp.m_pMainWnd = &m_owner;
    }
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        m_owner.DestroyWindow();
    }
    COwnerWnd m_owner;
};

class CRecordingEdit : public CEdit {
public:
    Calls* m_pCalls = nullptr;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            m_pCalls->push_back(KeyCall("edit", pMsg->wParam));
        return FALSE;
    }
};

// Enter in the edit runs a search instead of closing the dialog.
class CSearchDialog : public CDialog {
public:
    CSearchDialog() : CDialog(IDD_MODAL_TEST) {}
    Calls m_calls;
    std::function<void(CSearchDialog&)> m_script;
    CRecordingEdit m_edit;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN) {
            m_calls.push_back(KeyCall("dialog", pMsg->wParam));
            if (pMsg->wParam == VK_RETURN && pMsg->hwnd == m_edit.m_hWnd) {
                m_calls.push_back("search");
                return TRUE;
            }
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    BOOL OnInitDialog() override
    {
        m_edit.m_pCalls = &m_calls;
        CDialog::OnInitDialog();
        SetTimer(kScriptTimer, 10);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_MODAL_EDIT, m_edit); }
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
        if (nIDEvent != kScriptTimer || m_nKickIdle == 0)
            return;
        KillTimer(kScriptTimer);
        m_script(*this);
    }
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++m_nKickIdle;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()

private:
    int m_nKickIdle = 0;
};

BEGIN_MESSAGE_MAP(CSearchDialog, CDialog)
    ON_WM_TIMER()
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

void PostKey(HWND hWnd, WPARAM vk)
{
    ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessageA(hWnd, WM_KEYUP, vk, (LPARAM)0xC0000001);
}

TEST_F(ModalLoopTest, FocusedControlAndDialogSeeKeysBeforeTheDialogManager)
{
    CSearchDialog dlg;
    int nIdleBefore = theApp.m_nIdleCalls;
    int nIdleInside = 0;
    dlg.m_script = [&](CSearchDialog& d) {
        nIdleInside = theApp.m_nIdleCalls - nIdleBefore;
        d.m_edit.SetFocus();
        PostKey(d.m_edit.m_hWnd, VK_RETURN);
        PostKey(d.m_edit.m_hWnd, VK_ESCAPE);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    // Enter went no further than the dialog; Escape reached the dialog manager.
    EXPECT_EQ((Calls {"edit:13", "dialog:13", "search", "edit:27", "dialog:27", "OnCancel"}), dlg.m_calls);
    // Idle time went to the thread's idle processing and to the owner while the dialog ran.
    EXPECT_GT(nIdleInside, 0);
    EXPECT_EQ((Calls {"enteridle"}), m_owner.m_calls);
}

// A popup that runs its own modal loop until a key comes.
class CModalPopup : public CWnd {
public:
    Calls m_calls;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            m_calls.push_back(KeyCall("popup", pMsg->wParam));
        return FALSE;
    }

protected:
    void OnKeyDown(UINT nChar, UINT, UINT) { EndModalLoop((int)nChar); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalPopup, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

TEST_F(ModalLoopTest, DisabledOwnerNeverSeesTheModalWindowsKeys)
{
    CModalPopup popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "Popup", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, m_owner.m_hWnd, nullptr));
    m_owner.EnableWindow(FALSE);
    popup.SetFocus();
    PostKey(popup.m_hWnd, VK_F2);
    EXPECT_EQ(VK_F2, popup.RunModalLoop(MLF_NOIDLEMSG));
    m_owner.EnableWindow(TRUE);
    EXPECT_EQ((Calls {"popup:113"}), popup.m_calls);
    EXPECT_EQ(Calls {}, m_owner.m_calls);  // no key, and no WM_ENTERIDLE with MLF_NOIDLEMSG
    popup.DestroyWindow();
}

}  // namespace
