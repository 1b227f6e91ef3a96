// Property sheets over framework pages: modal (the framework's loop round the system's sheet,
// scripted from inside on each idle period), modeless, and a child sheet over a placeholder of
// a dialog; page switches, Apply and OK reach the pages' handlers in order.
#include "DialogTestApp.h"
#include "DialogTestsRes.h"
#include "win/DataExchange.h"
#include "win/PropertySheet.h"
#include "win/SpinButtonCtrl.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <utility>

namespace {

typedef std::vector<std::string> Calls;
const int kApplyButton = 0x3021;

// Records the sheet's notifications as "<tag>:<what>".
class CRecordingPage : public CPropertyPage {
public:
    CRecordingPage(UINT nIDTemplate, const char* pszTag, UINT nIDCaption = 0)
        : CPropertyPage(nIDTemplate, nIDCaption), m_strTag(pszTag)
    {}
    Calls* m_pCalls = nullptr;

protected:
    void Record(const char* pszWhat)
    {
        if (m_pCalls)
            m_pCalls->push_back(m_strTag + ":" + pszWhat);
    }
    BOOL OnInitDialog() override
    {
        CPropertyPage::OnInitDialog();
        Record("init");
        m_bInitDone = true;
        return TRUE;
    }
    BOOL OnSetActive() override
    {
        Record("setactive");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        Record("killactive");
        return CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override
    {
        Record("apply");
        return CPropertyPage::OnApply();
    }
    void OnReset() override
    {
        Record("reset");
        CPropertyPage::OnReset();
    }

    std::string m_strTag;
    bool m_bInitDone = false;
};

class CGeneralPage : public CRecordingPage {
public:
    CGeneralPage() : CRecordingPage(IDD_FIRST_PAGE, "1") {}
    CString m_strName = "Alpha";
    int m_nFlag = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_PAGE_NAME, m_strName);
        DDX_Check(pDX, IDC_PAGE_FLAG, m_nFlag);
    }
    void OnNameChange()
    {
        if (m_bInitDone)  // not the text that OnInitDialog puts there
            SetModified();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGeneralPage, CRecordingPage)
    ON_EN_CHANGE(IDC_PAGE_NAME, OnNameChange)
END_MESSAGE_MAP()

// Made by runtime class, as the sheets of the product make their pages.
class CNumbersPage : public CRecordingPage {
    DECLARE_DYNCREATE(CNumbersPage)
public:
    CNumbersPage() : CRecordingPage(IDD_SECOND_PAGE, "2", IDS_SECOND_PAGE_CAPTION) {}
    CString m_strCount = "3";
    CSpinButtonCtrl m_spin;

protected:
    BOOL OnInitDialog() override
    {
        BOOL bFocus = CRecordingPage::OnInitDialog();
        m_spin.SetRange(0, 255);
        return bFocus;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_PAGE_SPIN, m_spin);
        DDX_Text(pDX, IDC_PAGE_COUNT, m_strCount);
    }
};

IMPLEMENT_DYNCREATE(CNumbersPage, CPropertyPage)

// Runs one step of its script each time its modal loop is idle.
class CScriptedSheet : public CPropertySheet {
public:
    using CPropertySheet::CPropertySheet;
    std::vector<std::function<void(CScriptedSheet&)>> m_steps;
    int m_nPreTranslate = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        ++m_nPreTranslate;
        return CPropertySheet::PreTranslateMessage(pMsg);
    }

protected:
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        if (m_nStep < m_steps.size())
            m_steps[m_nStep++](*this);
        return m_nStep < m_steps.size();  // more idle time, for the next step
    }
    DECLARE_MESSAGE_MAP()

private:
    size_t m_nStep = 0;
};

BEGIN_MESSAGE_MAP(CScriptedSheet, CPropertySheet)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

// A sheet with the two pages, the second made by runtime class, all recording into m_calls.
class PropertySheetTest : public ::testing::Test {
protected:
    PropertySheetTest()
        : m_pNumbers(static_cast<CNumbersPage*>(RUNTIME_CLASS(CNumbersPage)->CreateObject())),
          m_sheet(IDS_SHEET_CAPTION)
    {
        m_general.m_pCalls = &m_calls;
        m_pNumbers->m_pCalls = &m_calls;
        m_sheet.AddPage(&m_general);
        m_sheet.AddPage(m_pNumbers.get());
    }
    HWND SheetItem(int nID) const { return ::GetDlgItem(m_sheet.m_hWnd, nID); }

    Calls m_calls;
    CGeneralPage m_general;
    std::unique_ptr<CNumbersPage> m_pNumbers;
    CScriptedSheet m_sheet;
};

TEST_F(PropertySheetTest, ModalSheetSwitchesPagesAppliesAndClosesWithOK)
{
    BOOL bApplyAtStart = TRUE, bApplyAfterTyping = FALSE;
    int nIdleBefore = theApp.m_nIdleCalls;
    m_sheet.m_steps = {
        [&](CScriptedSheet& s) {
            EXPECT_TRUE(SaveWindowScreenshot(s.m_hWnd, "property_sheet.png"));
            EXPECT_EQ(&s, m_general.GetParent());
            bApplyAtStart = ::IsWindowEnabled(SheetItem(kApplyButton));
            m_general.SetDlgItemText(IDC_PAGE_NAME, "Beta");
            EXPECT_TRUE(s.SetActivePage(1));
        },
        [&](CScriptedSheet& s) {
            bApplyAfterTyping = ::IsWindowEnabled(SheetItem(kApplyButton));
            EXPECT_EQ(1, s.GetActiveIndex());
            EXPECT_EQ(m_pNumbers.get(), s.GetActivePage());
            m_pNumbers->m_spin.SetPos(7);  // the spin writes its buddy edit
            s.PressButton(PSBTN_APPLYNOW);
        },
        [&](CScriptedSheet&) { ::SendMessageA(SheetItem(IDOK), BM_CLICK, 0, 0); },
    };
    EXPECT_EQ(IDOK, m_sheet.DoModal());
    EXPECT_EQ((Calls {"1:init", "1:setactive",                              // opens on the first page
                      "1:killactive", "2:init", "2:setactive",              // switch
                      "2:killactive", "1:apply", "2:apply", "2:setactive",  // Apply, and back to work
                      "2:killactive", "1:apply", "2:apply"}),               // OK
              m_calls);
    EXPECT_FALSE(bApplyAtStart);
    EXPECT_TRUE(bApplyAfterTyping);
    EXPECT_STREQ("Beta", m_general.m_strName);
    EXPECT_STREQ("7", m_pNumbers->m_strCount);
    // The framework's loop ran the sheet: idle processing and pre-translation inside it.
    EXPECT_GT(theApp.m_nIdleCalls, nIdleBefore);
    EXPECT_GT(m_sheet.m_nPreTranslate, 0);
    EXPECT_EQ(nullptr, m_sheet.m_hWnd);
    EXPECT_EQ(nullptr, m_general.m_hWnd);
}

TEST_F(PropertySheetTest, EscapeInAPageCancelsTheModalSheet)
{
    m_sheet.m_steps = {
        [&](CScriptedSheet&) {
            CWnd* pEdit = m_general.GetDlgItem(IDC_PAGE_NAME);
            pEdit->SetWindowText("Beta");
            pEdit->SetFocus();
            // As the queue delivers keys: through the page and the sheet's pre-translation.
            pEdit->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
            pEdit->PostMessage(WM_KEYUP, VK_ESCAPE, (LPARAM)0xC0000001);
        },
    };
    EXPECT_EQ(IDCANCEL, m_sheet.DoModal());
    EXPECT_EQ((Calls {"1:init", "1:setactive", "1:reset"}), m_calls);
    EXPECT_STREQ("Alpha", m_general.m_strName);
}

TEST_F(PropertySheetTest, ModelessSheetOpensOnTheChosenPage)
{
    EXPECT_TRUE(m_sheet.SetActivePage(m_pNumbers.get()));  // before the window exists
    EXPECT_EQ(1, m_sheet.GetActiveIndex());
    ASSERT_TRUE(m_sheet.Create());
    EXPECT_EQ(&m_sheet, CWnd::FromHandlePermanent(m_sheet.m_hWnd));
    EXPECT_FALSE(m_sheet.GetStyle() & WS_CHILD);
    CString strCaption;
    m_sheet.GetWindowText(strCaption);
    EXPECT_STREQ("Customize", strCaption);
    EXPECT_EQ(1, m_sheet.GetActiveIndex());
    EXPECT_EQ(2, m_sheet.GetTabControl()->GetItemCount());
    EXPECT_TRUE(m_sheet.SetActivePage(0));
    EXPECT_EQ(&m_general, m_sheet.GetActivePage());
    EXPECT_EQ((Calls {"2:init", "2:setactive", "2:killactive", "1:init", "1:setactive"}), m_calls);
    EXPECT_TRUE(m_sheet.DestroyWindow());
    EXPECT_EQ(nullptr, m_pNumbers->m_hWnd);
}

// A dialog that carries a child sheet over its placeholder control.
class CSheetHostDialog : public CDialog {
public:
    CSheetHostDialog() : CDialog(IDD_SHEET_HOST) {}
    CPropertySheet m_sheet {""};
    CGeneralPage m_general;
    CNumbersPage m_numbers;
    std::function<void(CSheetHostDialog&)> m_script;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_sheet.AddPage(&m_general);
        m_sheet.AddPage(&m_numbers);
        if (!m_sheet.Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP))
            EndDialog(-2);
        CRect rectPlace;
        GetDlgItem(IDC_SHEET_PLACEHOLDER)->GetWindowRect(&rectPlace);
        ScreenToClient(&rectPlace);
        m_sheet.SetWindowPos(nullptr, rectPlace.left, rectPlace.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        if (m_script)
            std::exchange(m_script, nullptr)(*this);
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSheetHostDialog, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST(ChildPropertySheetTest, ChildSheetSitsOverThePlaceholderWithoutItsButtons)
{
    CSheetHostDialog dlg;
    dlg.m_script = [](CSheetHostDialog& d) {
        EXPECT_TRUE(SaveWindowScreenshot(d.m_hWnd, "property_sheet_child.png"));
        CPropertySheet& sheet = d.m_sheet;
        EXPECT_EQ(&d, sheet.GetParent());
        EXPECT_TRUE(sheet.GetStyle() & WS_CHILD);
        CRect rectPlace, rectSheet;
        d.GetDlgItem(IDC_SHEET_PLACEHOLDER)->GetWindowRect(&rectPlace);
        sheet.GetWindowRect(&rectSheet);
        EXPECT_EQ(rectPlace.TopLeft(), rectSheet.TopLeft());
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, IDOK)));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, IDCANCEL)));
        CRect rectTabs;
        sheet.GetTabControl()->GetWindowRect(&rectTabs);
        // The sheet hugs its tabs with one margin all round.
        EXPECT_EQ(rectTabs.left - rectSheet.left, rectSheet.right - rectTabs.right);
        EXPECT_EQ(rectTabs.top - rectSheet.top, rectSheet.bottom - rectTabs.bottom);
        EXPECT_EQ(0, sheet.GetActiveIndex());
        EXPECT_TRUE(sheet.SetActivePage(&d.m_numbers));
        EXPECT_EQ(1, sheet.GetActiveIndex());
        EXPECT_TRUE(d.m_numbers.IsWindowVisible());
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_sheet.m_hWnd);
}

}  // namespace
