// An owner-drawn push button that looks and behaves like a web link: underlined caption in link
// colours, a hand cursor, lit while the mouse is over it. Its owner opens the address on a click.
#pragma once

#include "win/Button.h"
#include "gdi/GdiObject.h"

class CHyperLinkButton : public CButton {
public:
    // Every module that uses the button carries its hand cursor under this id.
    static constexpr UINT kHandCursorId = 161;
    // Colours by state, 0x00BBGGRR: pressed or hovered, disabled, normal.
    static constexpr COLORREF kSelectedColour = 0xFF0000;
    static constexpr COLORREF kDisabledColour = 0x999999;
    static constexpr COLORREF kNormalColour = 0x990000;

    CHyperLinkButton();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Opens the address in the browser program, else with the shell's handler for it.
    static void OpenURL(LPCSTR address);

    static COLORREF ColorForState(UINT itemState);

protected:
    void PreSubclassWindow() override;
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    DECLARE_MESSAGE_MAP()

private:
    void RedrawInState(UINT itemState);

    CFont m_underlineFont;
    HCURSOR m_hCursor = nullptr;
};
