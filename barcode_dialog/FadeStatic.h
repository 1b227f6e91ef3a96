// A static control that paints its own text centred and fades it in from white to its colour
// over one second: the barcode preview and the encoded-string display.
#pragma once

#include "core/String.h"
#include "gdi/GdiObject.h"
#include "win/Static.h"

class CFadeStatic : public CStatic {
public:
    CFadeStatic();

    // Stores the text and restarts the fade from white (also for the same text).
    void SetText(LPCSTR text);
    // A font of the given face and whole points; the fade goes on where it was.
    void SetBarcodeFont(LPCSTR faceName, int points);
    // The final text colour; the fade goes on where it was.
    void SetColor(COLORREF colour);
    void Clear();
    CString GetText() const { return m_text; }

    COLORREF GetColor() const { return m_colour; }
    const CFont& GetFont() const { return m_font; }
    // The colour the text is painted in now.
    COLORREF GetFadeColor() const;
    // The fade colour after elapsed milliseconds (an unsigned difference of tick counts).
    static COLORREF FadeColor(COLORREF colour, DWORD elapsedMs);
    // Paints the client area into pDC (through a memory context).
    void Paint(CDC* pDC);

protected:
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void StartFadeTimer();

    CString m_text;
    CFont m_font;
    DWORD m_fadeStart = 0;
    COLORREF m_colour = RGB(0, 0, 0);
};
