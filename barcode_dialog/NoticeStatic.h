// The red "copied" notice that the clipboard copy shows for three seconds.
#pragma once

#include "core/String.h"
#include "gdi/GdiObject.h"
#include "win/Static.h"

class CNoticeStatic : public CStatic {
public:
    CNoticeStatic();

    const CString& GetText() const { return m_text; }
    // Paints the text into pDC without a background.
    void Paint(CDC* pDC);

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;
    CString m_text;
};
