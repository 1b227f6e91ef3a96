// A property holding a font (face and size, shown as "Face, size"), with a button that opens
// the font chooser. The chooser goes through one replaceable function, so a program (or a
// test) can answer it.
#pragma once

#include "customisation/WTKProp.h"

// The system's font dialog by default; TRUE with the chosen font in *pLogFont.
typedef BOOL (*WTKChooseFontFn)(HWND hWndOwner, LOGFONTA* pLogFont);
BOOL WTKChooseFont(HWND hWndOwner, LOGFONTA* pLogFont);
WTKChooseFontFn WTKSetChooseFontFunction(WTKChooseFontFn pfn);  // returns the previous one

class CWTKFontProp : public CWTKProp {
    DECLARE_DYNAMIC(CWTKFontProp)

public:
    CWTKFontProp(const CString& strName, const LOGFONTA& lf, LPCSTR lpszDescr = nullptr, DWORD_PTR dwData = 0);

    const LOGFONTA& GetLogFont() const { return m_lf; }
    BOOL HasButton() const override { return TRUE; }
    void OnClickButton(CPoint point) override;
    CString FormatProperty() override;

protected:
    // The text names the chosen font: it is not typed, so there is nothing to read back.
    BOOL OnUpdateValue() override { return TRUE; }

private:
    LOGFONTA m_lf;
};
