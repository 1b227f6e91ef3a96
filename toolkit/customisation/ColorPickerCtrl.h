// CColorPickerCtrl: a button that draws itself as one of the "Colors" dialog's pickers: the
// preview of the new and the current colour, the luminance bar, the hue and saturation field,
// the honeycomb of colour hexagons or the row of greys. It keeps its colour both as red, green
// and blue and as hue, luminance and saturation (0 to 1), follows the mouse and the arrow keys,
// and tells its parent of every change with WM_COMMAND (BN_CLICKED).
#pragma once
#include "customisation/ColorHexagon.h"

#include "gdi/GdiObject.h"
#include "win/Button.h"

#include <vector>

class CColorPickerCtrl : public CButton {
    DECLARE_DYNAMIC(CColorPickerCtrl)

public:
    enum COLORTYPE { CURRENT = 0, LUMINANCE = 1, PICKER = 2, HEX = 3, HEX_GREYSCALE = 4 };

    static constexpr int kDefaultLuminanceBarWidth = 20;
    static constexpr int kLuminanceInset = 5;  // the bar's rectangle, top and bottom
    static constexpr int kMarkerSize = 19;     // the hue and saturation marker square
    static constexpr int kPointerSize = 9;     // the luminance pointer square
    static constexpr int kPointerGap = 6;      // from the bar's right edge to the pointer's centre
    static constexpr double kKeyStep = 0.05;
    static constexpr int kHoneycombRings = 6;
    static constexpr int kHoneycombCells = 127;   // 1 + 6 x (1 + 2 + ... + 6)
    static constexpr int kHoneycombDivisor = 13;  // hexagon width = square height / 13 + 1
    static constexpr int kHexColorTolerance = 16;
    static constexpr int kGreyTolerance = 7;
    static constexpr int kGreyCount = 16;  // 240 down to 15
    static constexpr int kGreyStep = 15;
    static constexpr UINT kDoubleClickCode = BN_DOUBLECLICKED;

    CColorPickerCtrl();
    ~CColorPickerCtrl() override;

    void SetType(COLORTYPE colorType) { m_COLORTYPE = colorType; }
    COLORTYPE GetType() const { return m_COLORTYPE; }
    void SetPalette(CPalette* pPalette);
    CPalette* GetPalette() const { return m_pPalette; }

    // Stores the colour, recomputes hue, luminance and saturation and redraws at once.
    void SelectCellHexagon(BYTE R, BYTE G, BYTE B);
    void SetColor(COLORREF Color);
    // The same, invalidating only.
    void SetRGB(COLORREF ref);
    COLORREF GetColor() const { return m_colorNew; }
    // The preview's lower half.
    void SetOriginalColor(COLORREF ref) { m_colorOriginal = ref; }
    COLORREF GetOriginalColor() const { return m_colorOriginal; }

    // -1.0 leaves a value as it is; the colour becomes HLSToRGB(hue, luminance, saturation).
    void SetHLS(double hue, double luminance, double saturation, BOOL bInvalidate = TRUE);
    void GetHLS(double* hue, double* luminance, double* saturation) const;
    double GetHue() const { return m_dblHue; }
    double GetLuminance() const { return m_dblLum; }
    double GetSaturation() const { return m_dblSat; }
    void SetHue(double hue) { m_dblHue = hue; }
    void SetLuminance(double luminance) { m_dblLum = luminance; }
    void SetSaturation(double saturation) { m_dblSat = saturation; }

    // At most three quarters of the client width.
    void SetLuminanceBarWidth(int w);
    int GetLuminanceBarWidth() const { return m_nLumBarWidth; }

    // The honeycomb or grey row cells as built (empty before the first paint or a call to
    // BuildCells).
    const std::vector<CColorHexagon>& GetCells() const { return m_arCells; }
    void BuildCells();

    // Component snapping: tolerance 0 gives c; near 0, 255, 128 or 192 snaps there.
    static int SnapColorComponent(int c, int nTolerance);
    // The angle of a point about the origin in degrees.
    static double GetAngleFromPoint(int nX, int nY);

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnQueryNewPalette(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaletteChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void Draw(CDC* pDC, const CRect& rect);
    void DrawPreview(CDC* pDC, const CRect& rect);
    void DrawLuminanceBar(CDC* pDC, const CRect& rect);
    void DrawPicker(CDC* pDC, const CRect& rect);
    // The hue and saturation field at lightness 0.5 (blocks of 4 at 8 bits per pixel or fewer).
    void FillPickerField(CDC* pDC, int cx, int cy) const;
    void DrawCells(CDC* pDC);
    void DrawCursor(CDC* pDC, const CRect& rect);
    void BuildHoneycomb(const CRect& rectClient);
    void BuildGreyRow(const CRect& rectClient);
    void AddCell(COLORREF color, int x, int y, int nWidth);
    COLORREF DrawColorOf(COLORREF color) const;
    // The inset rectangle of the luminance bar.
    CRect LuminanceRect() const;
    double LuminanceAt(int y) const;
    CPoint MarkerPoint() const;
    CRect MarkRect() const;
    void HandleMouse(CPoint point, UINT nFlags);
    void NotifyParent(UINT nCode);
    void RecomputeHLS();

    COLORTYPE m_COLORTYPE = PICKER;
    COLORREF m_colorNew = 0;
    COLORREF m_colorOriginal = 0;
    double m_dblHue = 0.0;
    double m_dblSat = 0.0;
    double m_dblLum = 0.5;
    CPalette* m_pPalette = nullptr;
    std::vector<CColorHexagon> m_arCells;
    CBitmap m_bmpPicker;  // the hue and saturation field at the client size
    int m_nLumBarWidth = kDefaultLuminanceBarWidth;
};
