// Small stand-ins for the windows a look draws, answering what a test sets.
#pragma once

#include "foundation/WTKBarInfo.h"
#include "foundation/WTKCaptionBarInfo.h"
#include "foundation/WTKCaptionButtonInfo.h"
#include "foundation/WTKMenuButtonInfo.h"
#include "foundation/WTKPushButtonInfo.h"
#include "foundation/WTKStatusBarInfo.h"
#include "foundation/WTKTabWindowInfo.h"
#include "foundation/WTKToolBarInfo.h"
#include "foundation/WTKToolbarButtonInfo.h"

#include <vector>

struct FakeBar : CWTKBarInfo {
    DWORD style = 0;
    BOOL dockable = TRUE;
    DWORD GetBarStyle() const override { return style; }
    BOOL IsDockable() const override { return dockable; }
};

struct FakeToolBar : CWTKToolBarInfo {
    DWORD style = 0;
    BOOL dockable = TRUE;
    CSize margins {0, 0};
    BOOL customizing = FALSE;
    COLORREF highlightedText = RGB(1, 2, 3);
    DWORD GetBarStyle() const override { return style; }
    BOOL IsDockable() const override { return dockable; }
    CSize GetButtonMargins() const override { return margins; }
    BOOL IsCustomizing() const override { return customizing; }
    COLORREF GetHighlightedTextColor() const override { return highlightedText; }
};

struct FakeCaptionBar : CWTKCaptionBarInfo {
    COLORREF background = static_cast<COLORREF>(-1);
    DWORD GetBarStyle() const override { return 0; }
    BOOL IsDockable() const override { return FALSE; }
    COLORREF GetBackgroundColor() const override { return background; }
};

struct FakeButton : CWTKToolbarButtonInfo {
    UINT style = 0;
    Kind kind = kindPlain;
    BOOL enabledInCustomize = TRUE;
    const CWTKToolBarInfo* toolBar = nullptr;
    UINT GetStyle() const override { return style; }
    Kind GetKind() const override { return kind; }
    BOOL IsEnabledInCustomizeMode() const override { return enabledInCustomize; }
    const CWTKToolBarInfo* GetParentToolBar() const override { return toolBar; }
};

struct FakeMenuButton : CWTKMenuButtonInfo {
    BOOL drawsOwnBorder = FALSE;
    mutable int ownBorderCalls = 0;
    UINT GetStyle() const override { return 0; }
    Kind GetKind() const override { return kindPlain; }
    BOOL IsEnabledInCustomizeMode() const override { return TRUE; }
    const CWTKToolBarInfo* GetParentToolBar() const override { return nullptr; }
    BOOL DrawFlatBorder(CDC*, const CRect&, int) const override
    {
        ++ownBorderCalls;
        return drawsOwnBorder;
    }
};

struct FakeCaptionButton : CWTKCaptionButtonInfo {
    int hitCode = 9;
    CPoint position {0, 0};
    BOOL pushed = FALSE;
    BOOL highlighted = FALSE;
    BOOL glyphSized = FALSE;
    int GetHitCode() const override { return hitCode; }
    CPoint GetPosition() const override { return position; }
    BOOL IsPushed() const override { return pushed; }
    BOOL IsHighlighted() const override { return highlighted; }
    BOOL IsGlyphSized() const override { return glyphSized; }
};

struct FakeStatusBar : CWTKStatusBarInfo {
    BOOL rtl = FALSE;
    BOOL IsLayoutRTL() const override { return rtl; }
};

struct FakePushButton : CWTKPushButtonInfo {
    BOOL pushed = FALSE;
    BOOL highlighted = FALSE;
    int ownBorderCalls = 0;
    BOOL IsPushed() const override { return pushed; }
    BOOL IsHighlighted() const override { return highlighted; }
    void OnDrawBorder(CDC*, CRect& rect, UINT) override
    {
        ++ownBorderCalls;
        rect.DeflateRect(2, 2);
    }
};

struct FakeTab {
    CRect rect;
    COLORREF background = static_cast<COLORREF>(-1);
    COLORREF text = static_cast<COLORREF>(-1);
    CString label;
};

struct FakeTabWindow : CWTKTabWindowInfo {
    BOOL flat = FALSE;
    BOOL slanted = FALSE;
    BOOL top = FALSE;
    int active = 0;
    int clientRight = 1000;
    std::vector<FakeTab> tabs;
    BOOL IsFlatStyle() const override { return flat; }
    BOOL IsSlantedStyle() const override { return slanted; }
    BOOL IsTabsOnTop() const override { return top; }
    BOOL IsScrollButtonsNeeded() const override { return FALSE; }
    int GetButtonHeight() const override { return 0; }
    int GetTabCount() const override { return static_cast<int>(tabs.size()); }
    int GetActiveTab() const override { return active; }
    BOOL GetTabRect(int i, CRect& rect) const override
    {
        if (i < 0 || i >= GetTabCount()) {
            rect.SetRectEmpty();
            return FALSE;
        }
        rect = tabs[i].rect;
        return TRUE;
    }
    COLORREF GetTabBkColor(int i) const override { return Valid(i) ? tabs[i].background : static_cast<COLORREF>(-1); }
    COLORREF GetTabTextColor(int i) const override { return Valid(i) ? tabs[i].text : static_cast<COLORREF>(-1); }
    BOOL GetTabLabel(int i, CString& label) const override
    {
        label = Valid(i) ? tabs[i].label : CString();
        return Valid(i);
    }
    int GetTabIcon(int) const override { return -1; }
    HIMAGELIST GetImageList() const override { return nullptr; }
    CSize GetImageSize() const override { return CSize(0, 0); }
    BOOL IsNoPrefix() const override { return FALSE; }
    int GetClientRight() const override { return clientRight; }

private:
    bool Valid(int i) const { return i >= 0 && i < GetTabCount(); }
};
