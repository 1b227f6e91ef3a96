// The edit box button on real toolbars: text shared between buttons of one command, the
// archive, the fallback on a vertical bar, Tab and Escape, and the hover leave tracking.
#include "ToolBarTestSupport.h"

#include "command_bars/WTKToolbarEditBoxButton.h"
#include "command_bars/WTKToolbarEditCtrl.h"

#include "Canvas.h"

#include "core/Archive.h"
#include "core/MemFile.h"

#include <memory>
#include <vector>

namespace {

constexpr UINT ID_FIND = 0x9101;
constexpr UINT ID_REPLACE = 0x9102;

class EditBoxButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CToolBarTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame(TRUE));
        theApp.m_pMainWnd = m_pFrame;
    }
    void TearDown() override
    {
        for (auto& pBar : m_bars)
            if (::IsWindow(pBar->GetSafeHwnd()))
                pBar->DestroyWindow();
        m_bars.clear();
        theApp.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    CWTKToolBar* AddBar(DWORD dwAlign = CBRS_TOP)
    {
        auto pBar = std::make_unique<CWTKToolBar>();
        const UINT nId = 0xE820 + static_cast<UINT>(m_bars.size());
        if (!pBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | dwAlign, nId))
            return nullptr;
        m_bars.push_back(std::move(pBar));
        return m_bars.back().get();
    }
    static CWTKToolbarEditBoxButton* AddEditBox(CWTKToolBar* pBar, UINT nId, DWORD dwStyle = ES_AUTOHSCROLL)
    {
        const int iIndex = pBar->InsertButton(CWTKToolbarEditBoxButton(nId, -1, dwStyle, 120));
        return dynamic_cast<CWTKToolbarEditBoxButton*>(pBar->GetButton(iIndex));
    }
    void Layout()
    {
        m_pFrame->RecalcLayout();
        PumpPending();
    }
    // The edit notifications the bar posted to the frame for a command, taken off the queue.
    std::vector<HWND> TakePostedNotifications(UINT nId)
    {
        std::vector<HWND> from;
        MSG msg;
        while (::PeekMessageA(&msg, m_pFrame->GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE))
            if (LOWORD(msg.wParam) == nId && HIWORD(msg.wParam) == EN_UPDATE)
                from.push_back(reinterpret_cast<HWND>(msg.lParam));
        return from;
    }

    CToolBarTestFrame* m_pFrame = nullptr;
    std::vector<std::unique_ptr<CWTKToolBar>> m_bars;
};

CString WindowText(CWnd* pWnd)
{
    CString str;
    pWnd->GetWindowText(str);
    return str;
}

void Type(CWnd* pEdit, const char* psz)
{
    for (; *psz; ++psz)
        pEdit->SendMessage(WM_CHAR, static_cast<BYTE>(*psz), 1);
}

std::vector<BYTE> Store(CObject& obj)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        obj.Serialize(ar);
        ar.Close();
    }
    const UINT nLength = static_cast<UINT>(file.GetLength());
    BYTE* pBytes = file.Detach();
    std::vector<BYTE> bytes(pBytes, pBytes + nLength);
    free(pBytes);
    return bytes;
}

void Load(CObject& obj, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    obj.Serialize(ar);
}

TEST_F(EditBoxButtonTest, TypingInOneButtonSharesTheTextWithTheOthersOfItsCommand)
{
    CWTKToolBar* pBar1 = AddBar();
    CWTKToolBar* pBar2 = AddBar();
    ASSERT_TRUE(pBar1 && pBar2);
    CWTKToolbarEditBoxButton* pFind1 = AddEditBox(pBar1, ID_FIND);
    CWTKToolbarEditBoxButton* pReplace = AddEditBox(pBar1, ID_REPLACE);
    CWTKToolbarEditBoxButton* pFind2 = AddEditBox(pBar2, ID_FIND);
    ASSERT_TRUE(pFind1 && pReplace && pFind2);
    Layout();
    ASSERT_NE(pFind1->GetEditBox(), nullptr);
    ASSERT_NE(pFind2->GetEditBox(), nullptr);
    TakePostedNotifications(ID_FIND);

    Type(pFind1->GetEditBox(), "ab");
    EXPECT_STREQ(WindowText(pFind2->GetEditBox()), "ab");
    EXPECT_STREQ(pFind2->GetContents(), "ab");
    EXPECT_STREQ(pReplace->GetContents(), "") << "another command keeps its text";
    // One command per keystroke, all from the typed-in control; none from the follower.
    const std::vector<HWND> from = TakePostedNotifications(ID_FIND);
    EXPECT_EQ(from, std::vector<HWND>(2, pFind1->GetEditBox()->GetSafeHwnd()));

    // The text survives the control's re-creation on another bar.
    CWTKToolBar* pBar3 = AddBar();
    pFind2->OnChangeParentWnd(nullptr);
    EXPECT_EQ(pFind2->GetEditBox(), nullptr);
    EXPECT_STREQ(pFind2->GetContents(), "ab");
    pFind2->OnChangeParentWnd(pBar3);
    ASSERT_NE(pFind2->GetEditBox(), nullptr);
    EXPECT_STREQ(WindowText(pFind2->GetEditBox()), "ab");
    pFind2->OnChangeParentWnd(pBar2);
    TakePostedNotifications(ID_FIND);
}

TEST_F(EditBoxButtonTest, ArchiveRoundTripAndAnEmptySavedTextNeverEmptiesTheKeptOne)
{
    CWTKToolBar* pBar = AddBar();
    ASSERT_NE(pBar, nullptr);
    CWTKToolbarEditBoxButton* pOnBar = AddEditBox(pBar, ID_FIND, ES_AUTOHSCROLL | ES_UPPERCASE);
    ASSERT_NE(pOnBar, nullptr);
    Layout();
    pOnBar->SetContents("WHERE");

    CWTKToolbarEditBoxButton read;
    Load(read, Store(*pOnBar));
    EXPECT_EQ(read.m_nID, ID_FIND);
    EXPECT_EQ(read.GetWidth(), 120);
    EXPECT_EQ(read.GetEditStyle(), CWTKToolbarEditBoxButton::kDefaultEditStyle | ES_UPPERCASE);
    EXPECT_STREQ(read.GetContents(), "WHERE");
    EXPECT_EQ(read.m_rect.Width(), 120);

    // Without a control the archive holds an empty text, and the button keeps its own.
    CWTKToolbarEditBoxButton loose(ID_FIND, -1, ES_AUTOHSCROLL, 90);
    loose.SetContents("kept");
    const std::vector<BYTE> bytes = Store(loose);
    const std::vector<BYTE> tail = {90, 0, 0, 0, 0x80, 0, 0, 0x50, 0};  // width, style, empty text
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(std::vector<BYTE>(bytes.end() - static_cast<std::ptrdiff_t>(tail.size()), bytes.end()), tail);
    EXPECT_STREQ(loose.GetContents(), "kept");
    Load(read, bytes);
    EXPECT_STREQ(read.GetContents(), "");

    // Damaged widths fall back to the default; the control stays a visible child.
    const struct {
        int iWidth;
        DWORD dwStyle;
        int iExpectedWidth;
    } cases[] = {
        {-5, ES_AUTOHSCROLL, 150},
        {0, ES_AUTOHSCROLL, 150},
        {100000, ES_AUTOHSCROLL, 150},
        {300, WS_POPUP | ES_AUTOHSCROLL, 300},
    };
    for (const auto& c : cases) {
        std::vector<BYTE> damaged = bytes;
        const size_t at = damaged.size() - tail.size();
        memcpy(&damaged[at], &c.iWidth, 4);
        memcpy(&damaged[at + 4], &c.dwStyle, 4);
        CWTKToolbarEditBoxButton button;
        Load(button, damaged);
        EXPECT_EQ(button.GetWidth(), c.iExpectedWidth) << c.iWidth;
        EXPECT_EQ(button.GetEditStyle(), ES_AUTOHSCROLL | WS_CHILD | WS_VISIBLE) << c.iWidth;
    }
}

TEST_F(EditBoxButtonTest, VerticalBarShowsAnOrdinaryButtonAndNoControl)
{
    CWTKToolBar* pTop = AddBar(CBRS_TOP);
    CWTKToolBar* pLeft = AddBar(CBRS_LEFT);
    ASSERT_TRUE(pTop && pLeft);
    CWTKToolbarEditBoxButton* pHorz = AddEditBox(pTop, ID_FIND);
    CWTKToolbarEditBoxButton* pVert = AddEditBox(pLeft, ID_FIND);
    ASSERT_TRUE(pHorz && pVert);
    Layout();

    CRect rectHorz, rectVert;
    pTop->GetItemRect(0, &rectHorz);
    pLeft->GetItemRect(0, &rectVert);
    EXPECT_EQ(rectHorz.Width(), 120);
    EXPECT_TRUE(pHorz->GetEditBox()->IsWindowVisible());
    EXPECT_LT(rectVert.Width(), 60) << "measured as an ordinary button";
    EXPECT_FALSE(pVert->GetEditBox()->IsWindowVisible());
    EXPECT_FALSE(pVert->OnClick(pLeft)) << "the press is the button's own";
    EXPECT_TRUE(pHorz->OnClick(pTop)) << "the press belongs to the control";
    // Hiding and showing follows the last measurement.
    pVert->OnShow(TRUE);
    EXPECT_FALSE(pVert->GetEditBox()->IsWindowVisible());
}

TEST_F(EditBoxButtonTest, TabMovesToTheNextControlAndEscapeReturnsToTheFrame)
{
    CWTKToolBar* pBar = AddBar();
    ASSERT_NE(pBar, nullptr);
    CWTKToolbarEditBoxButton* pFirst = AddEditBox(pBar, ID_FIND, ES_AUTOHSCROLL | WS_TABSTOP);
    CWTKToolbarEditBoxButton* pSecond = AddEditBox(pBar, ID_REPLACE, ES_AUTOHSCROLL | WS_TABSTOP);
    ASSERT_TRUE(pFirst && pSecond);
    Layout();
    m_pFrame->SetForegroundWindow();
    PumpPending();
    pFirst->GetEditBox()->SetFocus();
    ASSERT_EQ(::GetFocus(), pFirst->GetEditBox()->GetSafeHwnd());
    EXPECT_TRUE(pFirst->IsHighlighted());

    MSG msg {};
    msg.hwnd = pFirst->GetEditBox()->GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    EXPECT_TRUE(pFirst->GetEditBox()->PreTranslateMessage(&msg));
    EXPECT_EQ(::GetFocus(), pSecond->GetEditBox()->GetSafeHwnd());
    EXPECT_FALSE(pFirst->IsHighlighted());
    EXPECT_TRUE(pSecond->IsHighlighted());

    msg.hwnd = pSecond->GetEditBox()->GetSafeHwnd();
    msg.wParam = VK_ESCAPE;
    EXPECT_TRUE(pSecond->GetEditBox()->PreTranslateMessage(&msg));
    EXPECT_EQ(::GetFocus(), m_pFrame->GetSafeHwnd());
    EXPECT_FALSE(pSecond->IsHighlighted());

    msg.wParam = 'A';
    EXPECT_FALSE(pSecond->GetEditBox()->PreTranslateMessage(&msg)) << "other keys are the edit's";
}

TEST_F(EditBoxButtonTest, LeaveTimerTicksRemoveTheHoverOnlyOnceTheCursorIsOutside)
{
    CWTKToolBar* pBar = AddBar();
    ASSERT_NE(pBar, nullptr);
    CWTKToolbarEditBoxButton* pButton = AddEditBox(pBar, ID_FIND);
    ASSERT_NE(pButton, nullptr);
    Layout();
    CWTKToolbarEditCtrl* pEdit = pButton->GetEditBox();
    const HWND hEdit = pEdit->GetSafeHwnd();
    CRect rect;
    pEdit->GetWindowRect(&rect);
    const auto tick = [&] {
        CWTKToolbarEditCtrl::LeaveTimerProc(hEdit, WM_TIMER, CWTKToolbarEditCtrl::kLeaveTimerId, 0);
    };

    ::SetCursorPos(rect.CenterPoint().x, rect.CenterPoint().y);
    PumpPending();
    pEdit->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(pButton->IsHighlighted());
    EXPECT_TRUE(pEdit->IsTracked());
    tick();
    PumpPending();
    EXPECT_TRUE(pButton->IsHighlighted()) << "the cursor is still over the control";
    EXPECT_TRUE(pEdit->IsTracked());

    ::SetCursorPos(rect.left - 30, rect.bottom + 60);
    PumpPending();  // the system's own moves come first
    tick();
    PumpPending();
    EXPECT_FALSE(pButton->IsHighlighted());
    EXPECT_FALSE(pEdit->IsTracked());
    // The tick stopped the timer: the edit's own procedure never sees one.
    EXPECT_FALSE(::KillTimer(hEdit, CWTKToolbarEditCtrl::kLeaveTimerId));

    // With the focus the highlight stays after the mouse leaves.
    m_pFrame->SetForegroundWindow();
    pEdit->SetFocus();
    ::SetCursorPos(rect.CenterPoint().x, rect.CenterPoint().y);
    PumpPending();
    pEdit->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    ::SetCursorPos(rect.left - 30, rect.bottom + 60);
    PumpPending();  // the system's own moves come first
    tick();
    PumpPending();
    EXPECT_TRUE(pButton->IsHighlighted());
    EXPECT_FALSE(pEdit->IsTracked());
}

TEST_F(EditBoxButtonTest, ScreenshotOfEditBoxesOnABar)
{
    CWTKToolBar* pBar = AddBar();
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(pBar->LoadToolBar(IDR_TEST_TOOLBAR));
    CWTKToolbarEditBoxButton* pButton = AddEditBox(pBar, ID_FIND);
    ASSERT_NE(pButton, nullptr);
    pButton->SetContents("find me");
    Layout();
    m_pFrame->SetForegroundWindow();
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    PumpPending();

    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    Canvas shot(rectBar.Width(), rectBar.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectBar.Width(), rectBar.Height(), hScreen, rectBar.left, rectBar.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\toolbar_edit_box.png"));

    CRect rectEdit;
    pButton->GetEditBox()->GetWindowRect(&rectEdit);
    rectEdit.OffsetRect(-rectBar.left, -rectBar.top);
    EXPECT_GT(shot.Count(::GetSysColor(COLOR_WINDOW), rectEdit), rectEdit.Width() * rectEdit.Height() / 3)
        << "the control's field is drawn";
    EXPECT_GT(shot.Count(::GetSysColor(COLOR_WINDOWTEXT), rectEdit), 5) << "its text is drawn";
}

}  // namespace
