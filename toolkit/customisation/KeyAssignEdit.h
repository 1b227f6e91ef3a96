// CKeyAssignEdit: the edit in which the user presses the new shortcut key on the Keyboard page.
// It holds one accelerator being typed (modifier bits with the key code), shows its key text,
// and reports whether the key is complete. A click arms the edit; the first key after the edit
// got the focus without a click only arms it and is swallowed.
#pragma once
#include "win/Edit.h"

class CKeyAssignEdit : public CEdit {
    DECLARE_DYNAMIC(CKeyAssignEdit)
public:
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The accelerator typed so far (fVirt: FVIRTKEY, FSHIFT, FCONTROL, FALT; key: the code).
    const ACCEL& GetAccel() const { return m_Accel; }
    BOOL IsKeyDefined() const { return m_bKeyDefined; }
    void ResetKey();

protected:
    void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

    // TRUE when the message was taken.
    BOOL OnKeyMessage(const MSG* pMsg);
    void SetModifier(BYTE fFlag, BOOL bDown);
    void ShowKeyText();

    ACCEL m_Accel = {};
    BOOL m_bKeyDefined = FALSE;
    BOOL m_bArmed = FALSE;
};
