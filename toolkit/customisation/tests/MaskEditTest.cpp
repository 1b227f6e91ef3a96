// The masked edit in a real window: typing, deleting, moving and pasting, with the text, the
// stored value, the caret and the beeps read back.
#include "customisation/WTKMaskEdit.h"

#include "MessagePump.h"

#include "foundation/WTKUserSignals.h"

#include "docview/FrameWnd.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CControlsTestApp : public CWinApp {
public:
    CControlsTestApp() : CWinApp("WTKControlsTests") {}
};
CControlsTestApp theApp;

int g_nBeeps = 0;
void CountBeep(UINT)
{
    g_nBeeps++;
}

// A telephone number: three groups of digits between literals.
constexpr char kPhoneTemplate[] = "(___) ___-____";
constexpr char kPhoneMask[] = " DDD  DDD DDDD";

// Holds Shift and Ctrl down for the thread's key state while it lives.
class CModifierKeys {
public:
    CModifierKeys(bool bShift, bool bCtrl)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        ::GetKeyboardState(state);
        state[VK_SHIFT] = bShift ? 0x80 : 0;
        state[VK_CONTROL] = bCtrl ? 0x80 : 0;
        ::SetKeyboardState(state);
    }
    ~CModifierKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

class MaskEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pfnOldBeep = WTKSetBeepFunction(CountBeep);
        g_nBeeps = 0;
        ASSERT_TRUE(m_frame.Create(nullptr, "Mask edit", WS_OVERLAPPEDWINDOW, CRect(60, 60, 460, 260)));
        m_frame.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        if (m_edit.GetSafeHwnd() != nullptr)
            m_edit.DestroyWindow();
        m_frame.DestroyWindow();
        WTKSetBeepFunction(m_pfnOldBeep);
    }

    void CreateEdit(LPCSTR lpszMask, LPCSTR lpszTemplate, DWORD dwExtraStyle = 0)
    {
        if (lpszMask != nullptr) {
            ASSERT_TRUE(m_edit.EnableMask(lpszMask, lpszTemplate));
        }
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | dwExtraStyle,
                                  CRect(10, 10, 300, 34), &m_frame, 100));
        m_edit.SetFocus();
        PumpPending();
    }

    std::string Text() const
    {
        CString str;
        m_edit.GetWindowText(str);
        return std::string(str);
    }
    void Caret(int nPos) { m_edit.SetSel(nPos, nPos); }
    int CaretPos() const
    {
        int nStart = 0, nEnd = 0;
        m_edit.GetSel(nStart, nEnd);
        return nStart == nEnd ? nStart : -1;
    }
    void Type(char ch) { m_edit.SendMessage(WM_CHAR, static_cast<BYTE>(ch), 1); }
    void Press(UINT nKey, bool bShift = false, bool bCtrl = false)
    {
        CModifierKeys keys(bShift, bCtrl);
        m_edit.SendMessage(WM_KEYDOWN, nKey, 1);
        if (nKey == VK_BACK)
            m_edit.SendMessage(WM_CHAR, VK_BACK, 1);
    }

    CFrameWnd m_frame;
    CWTKMaskEdit m_edit;
    WTKBeepFn m_pfnOldBeep = nullptr;
};

TEST_F(MaskEditTest, ShowsTheTemplateWithTheDefaultPrompt)
{
    CreateEdit(kPhoneMask, kPhoneTemplate);
    EXPECT_EQ(CWTKMaskEdit::kDefaultPrompt, '_');
    EXPECT_EQ(Text(), "(___) ___-____");
    EXPECT_EQ(std::string(m_edit.GetValue()), "(___) ___-____");
}

TEST_F(MaskEditTest, TypingFillsGroupsAndRefusesWhatTheMaskRefuses)
{
    CreateEdit(kPhoneMask, kPhoneTemplate);
    struct Step {
        int nCaret;  // -1: where the last step left it
        char ch;
        const char* pszText;
        int nCaretAfter;
        int nBeeps;
    } const steps[] = {
        {0, '5', "(5__) ___-____", 2, 0},   // the caret before the first group goes into it
        {-1, 'x', "(5__) ___-____", 2, 1},  // a letter where a digit belongs
        {-1, '5', "(55_) ___-____", 3, 1},
        {-1, '7', "(557) ___-____", 6, 1},   // the group's last position: on to the next group
        {4, '1', "(557) 1__-____", 7, 1},    // a caret at a group's end moves to the next group first
        {14, '9', "(557) 1__-____", 14, 2},  // after the last group: nothing more to fill
    };
    for (const Step& step : steps) {
        if (step.nCaret >= 0)
            Caret(step.nCaret);
        Type(step.ch);
        EXPECT_EQ(Text(), step.pszText) << "typing " << step.ch;
        EXPECT_EQ(std::string(m_edit.GetValue()), step.pszText);
        EXPECT_EQ(CaretPos(), step.nCaretAfter) << "typing " << step.ch;
        EXPECT_EQ(g_nBeeps, step.nBeeps) << "typing " << step.ch;
    }
}

TEST_F(MaskEditTest, BackspaceAndDeleteMoveTheRestOfTheRunLeft)
{
    CreateEdit(kPhoneMask, kPhoneTemplate);
    ASSERT_TRUE(m_edit.SetValue("(123) 456-7890"));

    Caret(6);  // the first position of the middle group: back to the end of the first group
    Press(VK_BACK);
    EXPECT_EQ(Text(), "(123) 456-7890");
    EXPECT_EQ(CaretPos(), 4);
    EXPECT_EQ(g_nBeeps, 0);

    Caret(2);  // removes the 1: the rest moves left and the prompt fills the end
    Press(VK_BACK);
    EXPECT_EQ(Text(), "(23_) 456-7890");
    EXPECT_EQ(CaretPos(), 1);

    Caret(10);  // Delete at the last group's start removes its first digit
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "(23_) 456-890_");
    EXPECT_EQ(CaretPos(), 10);

    Caret(9);  // Delete on the literal after a group's end
    Press(VK_DELETE);
    EXPECT_EQ(g_nBeeps, 1);

    m_edit.SetSel(6, 8);  // a selection inside one run goes, the prompt fills in behind
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "(23_) 6__-890_");
    EXPECT_EQ(CaretPos(), 6);

    Caret(1);  // Backspace at the first group's start has nowhere to go
    Press(VK_BACK);
    EXPECT_EQ(g_nBeeps, 2);
    EXPECT_EQ(std::string(m_edit.GetValue()), Text());
}

TEST_F(MaskEditTest, TypingOverASelectionKeepsTheRunAligned)
{
    CreateEdit(kPhoneMask, kPhoneTemplate);
    ASSERT_TRUE(m_edit.SetValue("(123) 456-7890"));
    m_edit.SetSel(1, 3);
    Type('9');
    EXPECT_EQ(Text(), "(93_) 456-7890");
    EXPECT_EQ(CaretPos(), 2);

    m_edit.SetSel(2, 7);  // across a literal: refused, the group is selected
    Type('1');
    EXPECT_EQ(g_nBeeps, 1);
    EXPECT_EQ(Text(), "(93_) 456-7890");
}

TEST_F(MaskEditTest, MovesStepBetweenGroups)
{
    CreateEdit(kPhoneMask, kPhoneTemplate);
    Caret(6);
    Press(VK_LEFT);  // from a group's start to the previous group's end
    EXPECT_EQ(CaretPos(), 4);
    Press(VK_RIGHT);  // from a group's end to the next group's start
    EXPECT_EQ(CaretPos(), 6);
    Press(VK_END);
    EXPECT_EQ(CaretPos(), 9);
    Press(VK_HOME);
    EXPECT_EQ(CaretPos(), 6);

    Press(VK_RIGHT, false, true);  // Ctrl+Right selects the group after the caret's group
    int nStart = 0, nEnd = 0;
    m_edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 6);
    EXPECT_EQ(nEnd, 9);
    Press(VK_RIGHT, false, true);
    m_edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 10);
    EXPECT_EQ(nEnd, 14);
    Press(VK_RIGHT, false, true);  // no group after the last
    EXPECT_EQ(g_nBeeps, 1);

    Caret(1);
    Press(VK_LEFT);  // no group before the first
    EXPECT_EQ(g_nBeeps, 2);
}

TEST_F(MaskEditTest, SetValueRefusesTooLongOrForeignText)
{
    CreateEdit(kPhoneMask, kPhoneTemplate);
    struct Case {
        const char* pszText;
        BOOL bWithLiterals;
        BOOL bResult;
        const char* pszValue;
    } const cases[] = {
        {"(123) 456-7890", TRUE, TRUE, "(123) 456-7890"},
        {"(123) 456-78901", TRUE, FALSE, "(123) 456-7890"},  // longer than the template
        {"9876543210", FALSE, TRUE, "(987) 654-3210"},
        {"98765432101", FALSE, FALSE, "(987) 654-3210"},    // more than the editable positions
        {"(12a) 456-7890", TRUE, FALSE, "(987) 654-3210"},  // a letter in a digit's place
        {"[123] 456-7890", TRUE, FALSE, "(987) 654-3210"},  // a literal that doesn't match
        {"(1_3", TRUE, TRUE, "(1_3) ___-____"},             // prompts and a short text
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_edit.SetValue(c.pszText, c.bWithLiterals), c.bResult) << c.pszText;
        EXPECT_EQ(std::string(m_edit.GetValue()), c.pszValue) << c.pszText;
        EXPECT_EQ(Text(), c.pszValue) << c.pszText;
    }
}

TEST_F(MaskEditTest, PastedTextTheMaskRefusesIsUndoneWithABeep)
{
    CreateEdit(kPhoneMask, kPhoneTemplate);
    ASSERT_TRUE(m_edit.SetValue("(123) 456-7890"));
    m_edit.SetSel(6, 9);
    m_edit.ReplaceSel("abc", TRUE);  // what a paste does to the control
    PumpPending();
    EXPECT_EQ(Text(), "(123) 456-7890");
    EXPECT_EQ(std::string(m_edit.GetValue()), "(123) 456-7890");
    EXPECT_EQ(g_nBeeps, 1);

    m_edit.SetSel(6, 9);
    m_edit.ReplaceSel("999", TRUE);  // text the mask takes stays
    EXPECT_EQ(Text(), "(123) 999-7890");
    EXPECT_EQ(std::string(m_edit.GetValue()), "(123) 999-7890");
}

TEST_F(MaskEditTest, DotsAndCaseFollowTheMaskAndTheStyle)
{
    CreateEdit("CCLL", "____", ES_UPPERCASE);
    Caret(0);
    Type('.');  // a character like any other, not taken for the Delete key
    Type('5');
    Type('a');
    EXPECT_EQ(Text(), ".5A_");
    EXPECT_EQ(g_nBeeps, 0);
    Type('1');  // a digit where a letter belongs
    EXPECT_EQ(g_nBeeps, 1);
}

TEST_F(MaskEditTest, WithoutEditablePositionsEveryKeyBeeps)
{
    CreateEdit("    ", "ab-c");
    Press(VK_LEFT);
    Press(VK_BACK);
    Press(VK_HOME);
    EXPECT_EQ(g_nBeeps, 3);
    EXPECT_EQ(Text(), "ab-c");
}

TEST_F(MaskEditTest, WithoutAMaskTheValidSetStillFilters)
{
    m_edit.SetValidChars("0123456789.");
    CreateEdit(nullptr, nullptr);
    Type('1');
    Type('.');
    Type('x');
    Type('5');
    EXPECT_EQ(Text(), "1.5");
    EXPECT_EQ(g_nBeeps, 1);
}

}  // namespace
