// CColorButton: one cell of a colour bar: a palette colour, or one of the special cells (the
// automatic cell, the other-colours cell, the document colours' caption, a document colour, the
// current-colour cell). It draws a colour square framed in the shadow colour, a 3-D frame when
// it is the highlighted (current) cell, and gives its colour's name or its hexadecimal value
// as its tooltip.
#pragma once
#include "command_bars/WTKToolbarButton.h"

#include "core/Map.h"

class CWTKColorBar;

class CColorButton : public CWTKToolbarButton {
    DECLARE_SERIAL(CColorButton)

public:
    // The format of a colour without a name: red, green and blue in hexadecimal.
    static constexpr const char* kHexTooltipFormat = "Hex={%02X,%02X,%02X}";

    CColorButton();
    // A palette cell (or, with the flags, a special cell) of the colour.
    explicit CColorButton(COLORREF color, BOOL bIsAutomatic = FALSE, BOOL bIsOther = FALSE, LPCSTR lpszText = nullptr,
                          BOOL bHighlight = FALSE, BOOL bIsDocument = FALSE, BOOL bIsOtherColor = FALSE);
    ~CColorButton() override;

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CWTKToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    INT_PTR OnToolHitTest(const CWnd* pWnd, TTTOOLINFOA* pTI) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    BOOL CanBeStored() const override { return FALSE; }
    BOOL IsCustomizable() const override { return FALSE; }
    BOOL CanBeDragged() const override { return FALSE; }

    // The tooltip the cell shows (empty: none): nothing with tooltips off or a disabled cell;
    // a colour's name, else its hexadecimal value; the text of the other cells.
    CString GetTooltipText() const;
    // Cells that show a colour square (palette, document, current-colour and automatic cells).
    BOOL IsColorCell() const { return !m_bIsOther && !m_bIsLabel; }
    // Cells that take a whole row: automatic, other-colours and caption cells.
    BOOL IsFullRowCell() const { return m_bIsAutomatic || m_bIsOther || m_bIsLabel; }

    // ---- The colour names table, empty at start-up ----
    static void SetColorName(COLORREF color, LPCSTR lpszName);
    // FALSE when the colour has no name.
    static BOOL GetColorName(COLORREF color, CString& strName);
    static void RemoveAllColorNames();

    COLORREF m_Color = static_cast<COLORREF>(-1);
    BOOL m_bHighlight = FALSE;     // drawn as the current colour
    BOOL m_bIsAutomatic = FALSE;   // the automatic cell
    BOOL m_bIsOther = FALSE;       // the other-colours cell
    BOOL m_bIsLabel = FALSE;       // a caption line (the document colours' caption)
    BOOL m_bIsDocument = FALSE;    // a document colour, or their caption
    BOOL m_bIsOtherColor = FALSE;  // the current-colour cell
    CWTKColorBar* m_pParentBar = nullptr;

protected:
    void DrawColorBox(CDC* pDC, const CRect& rectBox, BOOL bDisabled) const;
    void DrawHighlightFrame(CDC* pDC, const CRect& rect) const;
};
