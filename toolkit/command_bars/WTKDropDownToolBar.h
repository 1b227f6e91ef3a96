// CWTKDropDownToolBar: a toolbar of related commands that a drop-down button opens next to itself.
// An application makes one hidden, locked bar (its own image strip and sizes) as the source of the
// list; while a drop-down frame is open, the frame's own drop-down toolbar shows the source's
// button objects (borrowed, never copied or deleted) with hot tracking, and a chosen command
// becomes the button's default command.
#pragma once
#include "command_bars/WTKToolBar.h"

class CWTKDropDownFrame;

class CWTKDropDownToolBar : public CWTKToolBar {
    DECLARE_SERIAL(CWTKDropDownToolBar)

public:
    CWTKDropDownToolBar() = default;
    ~CWTKDropDownToolBar() override;

    // Always locked: the list keeps its own images and sizes whatever the caller asks.
    BOOL LoadBitmap(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = TRUE,
                    UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0) override;
    BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = TRUE,
                     UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0, UINT uiHotResID = 0) override;

    // A chosen button's command becomes the parent button's default and goes to the owner; the
    // frame closes.
    BOOL OnSendCommand(const CWTKToolbarButton* pButton) override;
    // The command state is asked of the bar's command target (the source's owner), not of the
    // drop-down frame, which has no handlers.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // ---- The list shown in a drop-down frame ----
    // This bar shows the buttons of pSource (with read-only copies of its image strips and its
    // sizes) until ReleaseButtons.
    void ShowButtonsOf(CWTKDropDownToolBar* pSource);
    // Hands the shown buttons back to their bar without deleting any; with bLayoutSource the source
    // lays them out again (the list moved and hid them).
    void ReleaseButtons(BOOL bLayoutSource = TRUE);
    // The bar whose buttons this one shows; null when it shows its own.
    CWTKDropDownToolBar* GetSource() const { return m_pSource; }
    // The bar that shows this bar's buttons now; null when none does.
    CWTKDropDownToolBar* GetShownIn() const { return m_pShownIn; }
    // The frame the bar lives in; null for a source bar.
    CWTKDropDownFrame* GetDropDownFrame() const;

    // The bar's own image strip that the drop-down button draws its default image from.
    CWTKImageStrip* GetLockedImages(BOOL bLarge);

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The hot button shows pressed while the mouse is over it.
    void SetHotButton(int iHot);
    // This bar as a source stops being shown: the list lets go and its frame closes.
    void WithdrawFromList();

    CWTKDropDownToolBar* m_pSource = nullptr;
    CWTKDropDownToolBar* m_pShownIn = nullptr;
};
