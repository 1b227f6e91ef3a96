// In-place editing in the property list: the edit and the drop-down list, the button keys
// (F4, Alt+Down), the file and font choosers, and properties deleted while one is edited.
#include "PropListTestSupport.h"

#include "MessagePump.h"

#include "customisation/ColorPopup.h"
#include "customisation/WTKColorProp.h"
#include "customisation/WTKFileProp.h"
#include "customisation/WTKFontProp.h"
#include "customisation/WTKPropListConstants.h"

#include "foundation/WTKUserSignals.h"

#include "gdi/DC.h"
#include "win/ComboBox.h"

#include <string>
#include <vector>

namespace {

CString WindowText(HWND hWnd)
{
    char sz[256] = {};
    ::GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

// Types a text into the focused in-place edit and presses a key through the thread's queue.
void TypeAndPress(CWTKProp* pProp, LPCSTR lpszText, UINT nKey)
{
    HWND hEdit = pProp->GetInPlaceWnd()->GetSafeHwnd();
    ::SetWindowTextA(hEdit, lpszText);
    ::PostMessageA(hEdit, WM_KEYDOWN, nKey, 1);
    PumpPending();
}

int g_nBeeps = 0;
void CountBeep(UINT)
{
    g_nBeeps++;
}

struct ChooserScript {
    int nCalls = 0;
    BOOL bOpen = FALSE;
    CString strFileName;
    CString strFilter;
    BOOL bAnswer = TRUE;
};
ChooserScript g_chooser;

BOOL ScriptedChooseFile(HWND, BOOL bOpen, LPCSTR, LPCSTR lpszFileName, LPCSTR lpszFilter, CString& strPath)
{
    g_chooser.nCalls++;
    g_chooser.bOpen = bOpen;
    g_chooser.strFileName = lpszFileName != nullptr ? lpszFileName : "";
    g_chooser.strFilter = lpszFilter != nullptr ? lpszFilter : "";
    strPath = "C:\\Docs\\chosen.txt";
    return g_chooser.bAnswer;
}

BOOL ScriptedChooseFont(HWND, LOGFONTA* pLogFont)
{
    g_chooser.nCalls++;
    lstrcpynA(pLogFont->lfFaceName, "Courier New", LF_FACESIZE);
    pLogFont->lfHeight = -::MulDiv(12, 96, 72);
    return g_chooser.bAnswer;
}

}  // namespace

TEST_F(PropListTest, EditInPlaceTakesTheTypedValueOrKeepsTheOld)
{
    AddSampleProps();
    CWTKProp* pWidth = m_pAppearance->GetSubItem(2);
    CWTKProp* pCaption = m_pAppearance->GetSubItem(0);
    // A click on the value opens an edit over it, showing the formatted value.
    Click(pWidth, true);
    ASSERT_TRUE(pWidth->IsInPlaceEditing());
    HWND hEdit = pWidth->GetInPlaceWnd()->GetSafeHwnd();
    EXPECT_TRUE(::IsWindowVisible(hEdit));
    EXPECT_STREQ(WindowText(hEdit), "120");
    CRect rectEdit;
    ::GetWindowRect(hEdit, rectEdit);
    m_pList->ScreenToClient(rectEdit);
    EXPECT_TRUE(pWidth->GetValueRect().PtInRect(rectEdit.CenterPoint()));

    // Enter takes the value and tells the owner once.
    TypeAndPress(pWidth, "250", VK_RETURN);
    EXPECT_FALSE(pWidth->IsInPlaceEditing());
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(pWidth->GetValue().vt, VT_I4);
    EXPECT_EQ(pWidth->GetValue().lVal, 250);
    ASSERT_EQ(m_pFrame->m_changes.size(), 1u);
    EXPECT_EQ(m_pFrame->m_changes[0], pWidth);

    // Text that is no number is refused with a beep: the editor stays, the value too.
    const WTKBeepFn pfnOldBeep = WTKSetBeepFunction(CountBeep);
    g_nBeeps = 0;
    Click(pWidth, true);
    TypeAndPress(pWidth, "12x", VK_RETURN);
    EXPECT_TRUE(pWidth->IsInPlaceEditing());
    EXPECT_EQ(pWidth->GetValue().lVal, 250);
    EXPECT_EQ(g_nBeeps, 1);
    // Escape closes without taking the text.
    TypeAndPress(pWidth, "999", VK_ESCAPE);
    EXPECT_FALSE(pWidth->IsInPlaceEditing());
    EXPECT_EQ(pWidth->GetValue().lVal, 250);
    WTKSetBeepFunction(pfnOldBeep);

    // Typing on the list starts editing with the character; selecting another row takes the text.
    m_pList->SetCurSel(pCaption);
    m_pList->SendMessage(WM_CHAR, 'W', 1);
    ASSERT_TRUE(pCaption->IsInPlaceEditing());
    EXPECT_STREQ(WindowText(pCaption->GetInPlaceWnd()->GetSafeHwnd()), "W");
    m_pList->SetCurSel(pWidth);
    EXPECT_STREQ(pCaption->FormatProperty(), "W");
    EXPECT_EQ(m_pFrame->m_changes.size(), 2u);

    // A disabled property opens no editor.
    pCaption->Enable(FALSE);
    Click(pCaption, true);
    EXPECT_FALSE(pCaption->IsInPlaceEditing());
    EXPECT_EQ(m_pList->GetCurSel(), pCaption);

    // Collapsing the group of the row being edited takes the text and closes the editor.
    pCaption->Enable(TRUE);
    ASSERT_TRUE(m_pList->EditItem(pCaption));
    hEdit = pCaption->GetInPlaceWnd()->GetSafeHwnd();
    ::SetWindowTextA(hEdit, "Folded");
    m_pAppearance->Expand(FALSE);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_STREQ(pCaption->FormatProperty(), "Folded");
}

TEST_F(PropListTest, OptionsDropDownAndTheChosenOneBecomesTheValue)
{
    CWTKProp* pAlign = new CWTKProp("Align", "Left");
    for (LPCSTR lpsz : {"Left", "Centre", "Right"})
        pAlign->AddOption(lpsz);
    pAlign->AllowEdit(FALSE);
    m_pList->AddProperty(pAlign);
    m_pList->SetCurSel(pAlign);
    EXPECT_FALSE(pAlign->GetButtonRect().IsRectEmpty()) << "a selected property with options has a button";
    EXPECT_EQ(pAlign->GetButtonRect().right, pAlign->GetRect().right);
    EXPECT_EQ(pAlign->GetButtonRect().Width(), m_pList->GetRowHeight() - 3);

    // F4 opens the drop-down list on the current value.
    SendKey(*m_pList, VK_F4);
    ASSERT_TRUE(pAlign->IsInPlaceEditing());
    auto* pCombo = dynamic_cast<CComboBox*>(pAlign->GetInPlaceWnd());
    ASSERT_NE(pCombo, nullptr);
    EXPECT_EQ(pCombo->GetDlgCtrlID(), static_cast<int>(kWTKPropInPlaceComboId));
    EXPECT_EQ(pCombo->GetCount(), 3);
    EXPECT_EQ(pCombo->GetCurSel(), 0);
    EXPECT_TRUE(pCombo->SendMessage(CB_GETDROPPEDSTATE));

    // Choosing an option sets the value and tells the owner.
    pCombo->SetCurSel(2);
    m_pList->SendMessage(WM_COMMAND, MAKEWPARAM(kWTKPropInPlaceComboId, CBN_SELENDOK),
                         reinterpret_cast<LPARAM>(pCombo->GetSafeHwnd()));
    EXPECT_STREQ(pAlign->FormatProperty(), "Right");
    ASSERT_EQ(m_pFrame->m_changes.size(), 1u);
    pCombo->SendMessage(CB_SHOWDROPDOWN, FALSE);
    m_pList->EndEditItem();
    EXPECT_STREQ(pAlign->FormatProperty(), "Right");
    EXPECT_EQ(m_pFrame->m_changes.size(), 1u) << "closing the list changes nothing more";
}

TEST_F(PropListTest, SelectedRowsButtonFollowsTheRowWhenTheListScrolls)
{
    const int nRow = m_pList->GetRowHeight();
    m_pList->SetWindowPos(nullptr, 0, 0, 300, m_pList->GetHeaderHeight() + 4 * nRow + nRow / 2,
                          SWP_NOZORDER | SWP_NOMOVE);
    AddRows(3);
    CWTKProp* pAlign = new CWTKProp("Align", "Left");
    pAlign->AddOption("Left");
    pAlign->AddOption("Right");
    m_pList->AddProperty(pAlign);
    AddRows(6);
    m_pList->SetCurSel(pAlign);
    ASSERT_FALSE(pAlign->GetButtonRect().IsRectEmpty());

    // Scrolled by the bar and by the wheel, the button stays at the right end of its row.
    m_pList->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
    ASSERT_EQ(m_pList->GetScrollPosition(), 1);
    EXPECT_EQ(pAlign->GetButtonRect().top, pAlign->GetRect().top + 1);
    EXPECT_EQ(pAlign->GetButtonRect().right, pAlign->GetRect().right);
    m_pList->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(m_pList->GetScrollPosition(), 0);
    EXPECT_EQ(pAlign->GetButtonRect().top, pAlign->GetRect().top + 1);
    EXPECT_EQ(pAlign->GetButtonRect().Width(), nRow - 3);
}

TEST_F(PropListTest, ButtonKeysOpenOnlyAnEditablePropertysButton)
{
    auto* pEditable = new CCountingButtonProp("Editable", "a");
    auto* pReadOnly = new CCountingButtonProp("Read-only", "b");
    pReadOnly->Enable(FALSE);
    auto* pPlain = new CWTKProp("Plain", "c");
    m_pList->AddProperty(pEditable);
    m_pList->AddProperty(pReadOnly);
    m_pList->AddProperty(pPlain);

    const struct {
        CCountingButtonProp* pProp;
        bool bAltDown;  // else F4
        int nClicks;
    } rows[] = {
        {pEditable, false, 1},
        {pEditable, true, 2},
        {pReadOnly, false, 0},
        {pReadOnly, true, 0},
    };
    for (const auto& row : rows) {
        m_pList->SetCurSel(row.pProp);
        if (row.bAltDown)
            m_pList->SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
        else
            SendKey(*m_pList, VK_F4);
        EXPECT_EQ(row.pProp->m_nClicks, row.nClicks) << row.pProp->GetName() << (row.bAltDown ? " Alt+Down" : " F4");
        EXPECT_EQ(row.pProp->IsInPlaceEditing(), row.pProp->IsEditable()) << row.pProp->GetName();
    }
    // Without a button nothing opens either.
    m_pList->SetCurSel(pPlain);
    m_pList->SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    EXPECT_FALSE(pPlain->IsInPlaceEditing());

    // A click on the button runs it too.
    m_pList->SetCurSel(pEditable);
    const CPoint pt = pEditable->GetButtonRect().CenterPoint();
    m_pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_pList->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(pEditable->m_nClicks, 3);
}

TEST_F(PropListTest, FileAndFontPropertiesTakeTheChoosersAnswer)
{
    auto* pFile = new CWTKFileProp("Log file", TRUE, "C:\\old.txt", "txt", "Text files|*.txt||");
    LOGFONTA lf = {};
    lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);
    lf.lfHeight = -::MulDiv(8, 96, 72);
    auto* pFont = new CWTKFontProp("Font", lf);
    m_pList->AddProperty(pFile);
    m_pList->AddProperty(pFont);
    const WTKChooseFileFn pfnOldFile = WTKSetChooseFileFunction(ScriptedChooseFile);
    const WTKChooseFontFn pfnOldFont = WTKSetChooseFontFunction(ScriptedChooseFont);

    // Cancelled: nothing changes.
    g_chooser = ChooserScript();
    g_chooser.bAnswer = FALSE;
    m_pList->SetCurSel(pFile);
    SendKey(*m_pList, VK_F4);
    EXPECT_EQ(g_chooser.nCalls, 1);
    EXPECT_TRUE(g_chooser.bOpen);
    EXPECT_STREQ(g_chooser.strFileName, "C:\\old.txt");
    EXPECT_STREQ(g_chooser.strFilter, "Text files|*.txt||");
    EXPECT_STREQ(pFile->FormatProperty(), "C:\\old.txt");
    EXPECT_TRUE(m_pFrame->m_changes.empty());

    // Chosen: the value, the edit's text and one change notice.
    g_chooser.bAnswer = TRUE;
    SendKey(*m_pList, VK_F4);
    EXPECT_STREQ(pFile->FormatProperty(), "C:\\Docs\\chosen.txt");
    ASSERT_TRUE(pFile->IsInPlaceEditing());
    EXPECT_STREQ(WindowText(pFile->GetInPlaceWnd()->GetSafeHwnd()), "C:\\Docs\\chosen.txt");
    ASSERT_EQ(m_pFrame->m_changes.size(), 1u);
    EXPECT_EQ(m_pFrame->m_changes[0], pFile);

    m_pList->SetCurSel(pFont);
    SendKey(*m_pList, VK_F4);
    EXPECT_STREQ(pFont->GetLogFont().lfFaceName, "Courier New");
    EXPECT_EQ(m_pFrame->m_changes.size(), 2u);
    // The font's text is not typed: ending the edit keeps the chosen font.
    m_pList->EndEditItem();
    EXPECT_STREQ(pFont->GetLogFont().lfFaceName, "Courier New");

    WTKSetChooseFileFunction(pfnOldFile);
    WTKSetChooseFontFunction(pfnOldFont);
}

TEST_F(PropListTest, DeletingThePropertiesWhileEditingClosesTheEditorFirst)
{
    AddSampleProps();
    CWTKProp* pCaption = m_pAppearance->GetSubItem(0);
    Click(pCaption, true);
    ASSERT_TRUE(pCaption->IsInPlaceEditing());
    HWND hEdit = pCaption->GetInPlaceWnd()->GetSafeHwnd();
    TypeAndPress(pCaption, "typed", 'X');  // a plain key: the edit stays open

    m_pList->RemoveAll();
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(m_pList->GetCurSel(), nullptr);
    EXPECT_EQ(m_pList->GetPropertyCount(), 0);
    EXPECT_EQ(m_pList->GetRowCount(), 0);
    EXPECT_TRUE(m_pFrame->m_changes.empty()) << "the list's properties are gone: nobody is told of them";
    // Keys on the empty list go nowhere.
    SendKey(*m_pList, VK_DOWN);
    SendKey(*m_pList, VK_F4);
    EXPECT_EQ(m_pList->GetCurSel(), nullptr);

    // The window going away while editing does the same.
    AddSampleProps();
    Click(m_pAppearance->GetSubItem(2), true);
    hEdit = m_pAppearance->GetSubItem(2)->GetInPlaceWnd()->GetSafeHwnd();
    m_pList->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(m_pList->GetPropertyCount(), 0);
    PumpPending();
}

TEST_F(PropListTest, ColourPropertyTakesTheColourBarsChoiceOrATypedColour)
{
    auto* pColour = new CWTKColorProp("Back colour", RGB(255, 0, 0));
    m_pList->AddProperty(pColour);
    EXPECT_STREQ(pColour->FormatProperty(), "FF0000");
    m_pList->SetCurSel(pColour);
    EXPECT_FALSE(pColour->GetButtonRect().IsRectEmpty());

    // F4 drops the colour bar down below the value, owned by the property.
    SendKey(*m_pList, VK_F4);
    ASSERT_TRUE(pColour->IsInPlaceEditing());
    CColorPopup* pPopup = pColour->GetPopup();
    ASSERT_NE(pPopup, nullptr);
    ASSERT_TRUE(::IsWindow(pPopup->GetSafeHwnd()));
    CWTKColorBar* pBar = pPopup->GetColorBar();
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->GetOwnerKind(), CWTKColorBar::kOwnerPropList);
    EXPECT_EQ(pBar->GetColor(), RGB(255, 0, 0)) << "the bar starts on the current colour";
    CRect rectPopup;
    pPopup->GetWindowRect(rectPopup);
    CRect rectValue = pColour->GetValueRect();
    m_pList->ClientToScreen(rectValue);
    EXPECT_EQ(rectPopup.top, rectValue.bottom);

    // A colour chosen in the bar becomes the value; the popup closes and the edit has the focus.
    pBar->OnColorChosen(RGB(0, 128, 0));
    PumpPending();
    EXPECT_EQ(pColour->GetColor(), RGB(0, 128, 0));
    ASSERT_EQ(m_pFrame->m_changes.size(), 1u);
    EXPECT_EQ(m_pFrame->m_changes[0], pColour);
    EXPECT_EQ(pColour->GetPopup(), nullptr);
    ASSERT_TRUE(pColour->IsInPlaceEditing());
    HWND hEdit = pColour->GetInPlaceWnd()->GetSafeHwnd();
    EXPECT_EQ(::GetFocus(), hEdit);
    EXPECT_STREQ(WindowText(hEdit), "008000");

    // A typed colour: six hexadecimal digits, else refused.
    TypeAndPress(pColour, "0000FF", VK_RETURN);
    EXPECT_EQ(pColour->GetColor(), RGB(0, 0, 255));
    EXPECT_EQ(m_pFrame->m_changes.size(), 2u);
    const WTKBeepFn pfnOldBeep = WTKSetBeepFunction(CountBeep);
    m_pList->EditItem(pColour);
    TypeAndPress(pColour, "blue", VK_RETURN);
    EXPECT_TRUE(pColour->IsInPlaceEditing());
    EXPECT_EQ(pColour->GetColor(), RGB(0, 0, 255));
    m_pList->EndEditItem(FALSE);
    WTKSetBeepFunction(pfnOldBeep);

    // The list emptied while the bar is down: the popup goes with the property.
    SendKey(*m_pList, VK_F4);
    pPopup = pColour->GetPopup();
    ASSERT_NE(pPopup, nullptr);
    const HWND hPopup = pPopup->GetSafeHwnd();
    m_pList->RemoveAll();
    PumpPending();
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(m_pFrame->m_changes.size(), 2u);
}

TEST_F(PropListTest, InPlaceEditorTakesItsPropertysColours)
{
    // A property that paints its editor on a brush of its own.
    class CTintedProp : public CWTKProp {
    public:
        CTintedProp() : CWTKProp("Tinted", "text") {}
        HBRUSH OnCtlColor(CDC* pDC, UINT) override
        {
            pDC->SetBkColor(RGB(255, 255, 0));
            return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
        }
    };
    auto* pTinted = new CTintedProp;
    auto* pPlain = new CWTKProp("Plain", "text");
    m_pList->AddProperty(pTinted);
    m_pList->AddProperty(pPlain);
    HDC hDC = ::GetDC(m_pList->m_hWnd);
    for (CWTKProp* pProp : {static_cast<CWTKProp*>(pTinted), pPlain}) {
        m_pList->EditItem(pProp);
        ASSERT_TRUE(pProp->IsInPlaceEditing());
        const HWND hEdit = pProp->GetInPlaceWnd()->GetSafeHwnd();
        const auto hbr = reinterpret_cast<HGDIOBJ>(
            m_pList->SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hEdit)));
        EXPECT_EQ(hbr == ::GetStockObject(BLACK_BRUSH), pProp == pTinted) << pProp->GetName();
    }
    ::ReleaseDC(m_pList->m_hWnd, hDC);
}

TEST_F(PropListTest, MouseButtonsReachThePropertysOperations)
{
    // Records which of its operations the list called.
    class CRecordingProp : public CWTKProp {
    public:
        CRecordingProp() : CWTKProp("Recording", "value") {}
        void OnClickName(CPoint) override { m_calls.push_back("name"); }
        void OnRClickName(CPoint) override { m_calls.push_back("rname"); }
        void OnRClickValue(CPoint, BOOL bSelChanged) override
        {
            m_calls.push_back(bSelChanged ? "rvalue new" : "rvalue");
        }
        BOOL OnDblClick(CPoint) override
        {
            m_calls.push_back("double");
            return TRUE;
        }
        std::vector<std::string> m_calls;
    };
    auto* pProp = new CRecordingProp;
    m_pList->AddProperty(new CWTKProp("Other", "x"));
    m_pList->AddProperty(pProp);
    auto send = [&](UINT nMsg, bool bValue) {
        const CPoint pt = RowPoint(pProp, bValue);
        m_pList->SendMessage(nMsg, 0, MAKELPARAM(pt.x, pt.y));
        if (HWND hCapture = ::GetCapture())
            ::SendMessageA(hCapture, WM_LBUTTONUP, 0, 0);
    };
    send(WM_RBUTTONDOWN, true);
    EXPECT_EQ(m_pList->GetCurSel(), pProp);
    EXPECT_FALSE(pProp->IsInPlaceEditing()) << "a right press on a new selection only selects";
    send(WM_RBUTTONDOWN, true);
    EXPECT_TRUE(pProp->IsInPlaceEditing()) << "a second one edits";
    send(WM_RBUTTONDOWN, false);
    send(WM_LBUTTONDOWN, false);
    m_pList->EndEditItem();
    send(WM_LBUTTONDBLCLK, true);
    EXPECT_TRUE(pProp->IsInPlaceEditing());
    EXPECT_EQ(pProp->m_calls, (std::vector<std::string> {"rvalue new", "rvalue", "rname", "name", "double"}));

    // Focus going outside the list closes the editor, taking its text.
    ::SetWindowTextA(pProp->GetInPlaceWnd()->GetSafeHwnd(), "left");
    m_pFrame->SetFocus();
    PumpPending();
    EXPECT_FALSE(pProp->IsInPlaceEditing());
    EXPECT_STREQ(pProp->FormatProperty(), "left");

    // Cancel mode ends the divider's tracking where it was.
    const int nWidth = m_pList->GetNameColumnWidth();
    const int y = pProp->GetRect().CenterPoint().y;
    m_pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(nWidth, y));
    ASSERT_EQ(::GetCapture(), m_pList->m_hWnd);
    m_pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(nWidth - 40, y));
    m_pList->SendMessage(WM_CANCELMODE);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(m_pList->GetNameColumnWidth(), nWidth);
}
