#include "LookGallery.h"

#include "XPLookFakes.h"

#include "Canvas.h"
#include "Files.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "docview/BarStyles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kGalleryDockedTop = 0x2000;

void DrawToolBar(CWTKVisualManager& look, CDC* pDC, FakeLookBar& bar, CRect rectBar, const char* pszLabel)
{
    // The whole bar as its frame paints it (the rounded ends of a docked bar show here).
    look.OnFillBarBackground(pDC, &bar, rectBar, CRect(), TRUE);
    look.OnDrawBarBorder(pDC, &bar, rectBar);
    bar.rowExtent = rectBar.Height();
    bar.buttonSize = CSize(23, 22);
    look.OnDrawBarGripper(pDC, CRect(rectBar.left, rectBar.top, rectBar.left + 8, rectBar.bottom), TRUE, &bar);

    const int states[] = {kButtonStateNormal, kButtonStateHighlighted, kButtonStatePushed, kButtonStatePushed};
    const UINT styles[] = {0, 0, TBBS_PRESSED, TBBS_CHECKED};
    const char* labels[] = {"N", "H", "P", "C"};
    int x = rectBar.left + 10;
    for (int i = 0; i < 4; ++i) {
        FakeLookButton button;
        button.style = styles[i];
        button.toolBar = &bar;
        const CRect rectButton(x, rectBar.top + 1, x + 23, rectBar.bottom - 1);
        look.OnFillButtonInterior(pDC, &button, rectButton, states[i]);
        look.OnDrawButtonBorder(pDC, &button, rectButton, states[i]);
        pDC->SetTextColor(look.GetToolbarButtonTextColor(&button, states[i]));
        CRect rectText = rectButton;
        pDC->DrawText(labels[i], -1, rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        x += 24;
    }
    look.OnDrawSeparator(pDC, &bar, CRect(x, rectBar.top + 1, x + 6, rectBar.bottom - 1), TRUE);
    x += 8;
    const CRect rectCombo(x, rectBar.top + 3, x + 70, rectBar.bottom - 3);
    pDC->FillSolidRect(rectCombo, WTKGetGlobalData().clrWindow);
    look.OnDrawComboBorder(pDC, rectCombo, FALSE, FALSE, TRUE, nullptr);
    look.OnDrawComboDropButton(
        pDC, CRect(rectCombo.right - 13, rectCombo.top + 2, rectCombo.right - 2, rectCombo.bottom - 2), FALSE, FALSE,
        TRUE, nullptr);
    pDC->SetTextColor(WTKGetGlobalData().clrBarText);
    CRect rectLabel(rectCombo.right + 6, rectBar.top, rectBar.right, rectBar.bottom);
    pDC->DrawText(pszLabel, -1, rectLabel, DT_VCENTER | DT_SINGLELINE);
}

void DrawMenu(CWTKVisualManager& look, CDC* pDC, CRect rectMenuBar)
{
    WTKGlobalData& data = WTKGetGlobalData();
    // The menu bar with "File" open.
    FakeLookBar menuBar;
    menuBar.kind = CWTKBarLookInfo::kindMenuBar;
    menuBar.style = kGalleryDockedTop;
    look.OnFillBarBackground(pDC, &menuBar, rectMenuBar, CRect(), FALSE);
    FakeLookButton file;
    file.toolBar = &menuBar;
    file.menuOpen = TRUE;
    const CRect rectFile(rectMenuBar.left + 4, rectMenuBar.top + 1, rectMenuBar.left + 44, rectMenuBar.bottom - 1);
    look.OnFillButtonInterior(pDC, &file, rectFile, kButtonStatePushed);
    look.OnDrawButtonBorder(pDC, &file, rectFile, kButtonStatePushed);
    pDC->SetTextColor(data.clrBarText);
    CRect rectText = rectFile;
    pDC->DrawText("File", -1, rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    FakeLookButton edit;
    edit.toolBar = &menuBar;
    const CRect rectEdit(rectFile.right + 2, rectFile.top, rectFile.right + 42, rectFile.bottom);
    look.OnFillButtonInterior(pDC, &edit, rectEdit, kButtonStateHighlighted);
    look.OnDrawButtonBorder(pDC, &edit, rectEdit, kButtonStateHighlighted);
    rectText = rectEdit;
    pDC->DrawText("Edit", -1, rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    // The popup menu under "File".
    const CRect rectMenu(rectFile.left, rectMenuBar.bottom, rectFile.left + 170, rectMenuBar.bottom + 130);
    FakeLookBar popup;
    popup.kind = CWTKBarLookInfo::kindPopupMenuBar;
    CRect rectInside = rectMenu;
    rectInside.DeflateRect(2, 2);
    look.OnFillBarBackground(pDC, &popup, rectInside, CRect(), FALSE);
    FakeLookMenu menu;
    menu.side = CWTKMenuLookInfo::sideTop;
    menu.button = rectFile;
    look.OnDrawMenuBorder(pDC, &menu, rectMenu);

    const char* items[] = {"Open", "Save", "", "Print", "Exit"};
    int y = rectInside.top + 1;
    for (int i = 0; i < 5; ++i) {
        const CRect rectItem(rectInside.left + 1, y, rectInside.right - 1, y + (i == 2 ? 8 : 22));
        FakeLookButton item;
        item.toolBar = &popup;
        if (i == 2) {
            look.OnDrawSeparator(pDC, &popup, rectItem, FALSE);
        } else {
            COLORREF clrText = data.clrBarText;
            if (i == 1)
                look.OnHighlightMenuItem(pDC, &popup, &item, rectItem, clrText);
            if (i == 3) {
                const COLORREF clrCheck = look.OnFillCheckedImageBackground(
                    pDC, CRect(rectItem.left + 1, rectItem.top + 1, rectItem.left + 21, rectItem.bottom - 1), FALSE);
                pDC->SetTextColor(clrCheck);
                CRect rectMark(rectItem.left + 1, rectItem.top, rectItem.left + 21, rectItem.bottom);
                pDC->DrawText("v", -1, rectMark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
            pDC->SetTextColor(clrText);
            CRect rectLabel(rectItem.left + 30, rectItem.top, rectItem.right, rectItem.bottom);
            pDC->DrawText(items[i], -1, rectLabel, DT_VCENTER | DT_SINGLELINE);
        }
        y = rectItem.bottom;
    }
}

}  // namespace

void DrawLookGallery(CWTKVisualManager& look, const char* pszFile)
{
    WTKGlobalData& data = WTKGetGlobalData();
    Canvas canvas(420, 260, ::GetSysColor(COLOR_APPWORKSPACE));
    CDC* pDC = canvas.DC();
    CFont* pOldFont = pDC->SelectObject(&data.fontRegular);
    pDC->SetBkMode(TRANSPARENT);

    // The dock area along the top with a docked toolbar in it, and the menu bar above.
    FakeLookBar dock;
    dock.kind = CWTKBarLookInfo::kindDockBar;
    look.OnFillBarBackground(pDC, &dock, CRect(0, 0, 420, 56), CRect(), FALSE);
    FakeLookBar docked;
    docked.style = kGalleryDockedTop | kBarStyleBorderAny;
    DrawToolBar(look, pDC, docked, CRect(184, 28, 418, 54), "docked");

    // A floating toolbar.
    FakeLookBar floating;
    floating.style = kGalleryDockedTop;
    floating.floating = TRUE;
    DrawToolBar(look, pDC, floating, CRect(190, 200, 416, 226), "floating");

    DrawMenu(look, pDC, CRect(0, 0, 420, 26));

    pDC->SelectObject(pOldFont);
    const std::string folder = ScreenshotFolder();
    EXPECT_TRUE(canvas.WritePng(folder + "\\" + pszFile));
}
