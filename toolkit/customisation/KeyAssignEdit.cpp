#include "customisation/KeyAssignEdit.h"

#include "foundation/WTKAcceleratorText.h"

IMPLEMENT_DYNAMIC(CKeyAssignEdit, CEdit)

BEGIN_MESSAGE_MAP(CKeyAssignEdit, CEdit)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {
constexpr LPARAM kRepeatBit = 0x40000000;
constexpr BYTE kModifierBits = FSHIFT | FCONTROL | FALT;
}  // namespace

void CKeyAssignEdit::ResetKey()
{
    m_Accel = ACCEL {};
    m_bKeyDefined = FALSE;
    if (m_hWnd != nullptr)
        SetWindowText("");
}

void CKeyAssignEdit::OnKillFocus(CWnd* pNewWnd)
{
    // The next time the edit gets the focus without a click, the key that moved the focus
    // there must not become the shortcut.
    m_bArmed = FALSE;
    CEdit::OnKillFocus(pNewWnd);
}

BOOL CKeyAssignEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd != m_hWnd)
        return CEdit::PreTranslateMessage(pMsg);
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // A click arms the edit: the next key pressed is the shortcut.
        m_bArmed = TRUE;
        SetFocus();
        return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return OnKeyMessage(pMsg);
    default:
        return CEdit::PreTranslateMessage(pMsg);
    }
}

void CKeyAssignEdit::SetModifier(BYTE fFlag, BOOL bDown)
{
    if (bDown)
        m_Accel.fVirt |= fFlag;
    else
        m_Accel.fVirt &= static_cast<BYTE>(~fFlag);
}

BOOL CKeyAssignEdit::OnKeyMessage(const MSG* pMsg)
{
    const BOOL bDown = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
    const BOOL bRepeat = bDown && (pMsg->lParam & kRepeatBit) != 0;
    const UINT nKey = static_cast<UINT>(pMsg->wParam);

    if (bDown && !bRepeat && m_bKeyDefined)
        ResetKey();

    if ((m_Accel.fVirt & kModifierBits) == 0) {
        // Plain Tab leaves the edit as in any dialog; plain Escape only clears it.
        if (nKey == VK_TAB) {
            if (bDown)
                ResetKey();
            return FALSE;
        }
        if (nKey == VK_ESCAPE) {
            if (bDown)
                ResetKey();
            return TRUE;
        }
    }

    if (nKey == VK_SHIFT || nKey == VK_CONTROL || nKey == VK_MENU) {
        if (!m_bKeyDefined) {
            const BYTE fFlag = nKey == VK_SHIFT ? FSHIFT : nKey == VK_CONTROL ? FCONTROL : FALT;
            SetModifier(fFlag, bDown);
            ShowKeyText();
        }
        return TRUE;
    }

    if (m_bKeyDefined)
        return TRUE;
    if (!m_bArmed) {
        m_bArmed = TRUE;
        return TRUE;
    }
    m_Accel.key = static_cast<WORD>(nKey);
    if (bDown) {
        m_Accel.fVirt |= FVIRTKEY;
        m_bKeyDefined = TRUE;
    }
    ShowKeyText();
    return TRUE;
}

void CKeyAssignEdit::ShowKeyText()
{
    ACCEL accel = m_Accel;
    if (!m_bKeyDefined) {
        // Only the modifiers held so far: the key part is left out.
        accel.fVirt &= kModifierBits;
        accel.key = VK_ESCAPE;
    }
    CString strText;
    CWTKAcceleratorText(&accel).Format(strText);
    SetWindowText(strText);
}
