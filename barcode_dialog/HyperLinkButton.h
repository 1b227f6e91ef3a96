// An owner-drawn push button that looks and behaves like a web link: underlined caption in link
// colours, a hand cursor, lit while the mouse is over it. Its owner opens the address on a click.
#pragma once

#include "win/Button.h"
#include "win/GdiObject.h"

class CHyperLinkButton : public CButton
{
public:
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
