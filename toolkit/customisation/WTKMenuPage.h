// CWTKMenuPage: the customisation sheet's "Menu" page. It shows the application menu of each
// document template (and the default menu) on the menu bar being customised, resets one to its
// resource, opens the registered context menus as captioned popups that the user edits by
// dragging commands onto them, and sets the popup menus' animation and shadows.
//
// Menu handles stay their owners': the frame owns the default menu, each template its shared
// menu and the context menu manager its menus. A reset hands the new handle to everyone who
// keeps the old one (bar, frame, template, MDI children, this page) before the old one goes.
#pragma once
#include "frames/WTKPropertyPage.h"

#include "core/Point.h"
#include "win/ComboBox.h"

class CDocTemplate;
class CFrameWnd;
class CMultiDocTemplate;
class CWTKMenuBar;
class CWTKPopupMenu;

class CWTKMenuPage : public CWTKPropertyPage {
    DECLARE_DYNCREATE(CWTKMenuPage)
public:
    // Where a context popup opens before any has been closed.
    static constexpr int kFirstContextMenuX = 100;
    static constexpr int kFirstContextMenuY = 100;

    // pMenuBar: the bar to customise; null takes the first visible menu bar.
    explicit CWTKMenuPage(CWTKMenuBar* pMenuBar = nullptr);
    ~CWTKMenuPage() override;
    CWTKMenuPage(const CWTKMenuPage&) = delete;
    CWTKMenuPage& operator=(const CWTKMenuPage&) = delete;

    // The context popup closes itself: its place is kept for the next one, its items for the
    // menu, and the context entry goes back to the first one.
    void CloseContextMenu(CWTKPopupMenu* pMenu);
    // Selects the entry of pMenuOwner (a document template; null for the default menu) and
    // shows its menu.
    void SelectMenu(CDocTemplate* pMenuOwner);

    CWTKMenuBar* GetMenuBar() const { return m_pMenuBar; }
    CWTKPopupMenu* GetContextPopup() const { return m_pContextPopup; }
    // The menu the bar showed when the page started (it shows it again when the page closes).
    HMENU GetOriginalMenu() const { return m_hmenuOriginal; }
    // The screen point where the next context popup opens (one for the whole process).
    static CPoint GetContextMenuPosition() { return s_ptContextMenu; }

protected:
    BOOL OnInitDialog() override;
    void OnDestroy();
    void OnSelchangeMenus();
    void OnSelchangeContextMenus();
    void OnResetFrameMenu();
    void OnResetContextMenu();
    DECLARE_MESSAGE_MAP()

    // The bar given, else the first visible menu bar of all toolbars.
    CWTKMenuBar* FindMenuBar() const;
    // The frame the sheet customises (the target of the registered messages), or the main window.
    CFrameWnd* GetOwnerFrame() const;
    void FillMenus();
    void FillContextMenus();
    void FillAnimations();
    void ApplySheetFlags();
    CMultiDocTemplate* GetSelectedTemplate() const;
    void ShowMenuDescription(CMultiDocTemplate* pTemplate);
    // Opens the selected context menu; FALSE (with a beep or a message) when it could not.
    BOOL OpenSelectedContextMenu();
    void CloseContextPopup();
    void EnableContextReset(BOOL bEnable);
    // Loads the menu resource again and puts it in place of hmenuOld everywhere.
    BOOL ReloadApplicationMenu(CMultiDocTemplate* pTemplate);

    CWTKMenuBar* m_pMenuBar = nullptr;
    HMENU m_hmenuOriginal = nullptr;
    CWTKPopupMenu* m_pContextPopup = nullptr;
    UINT m_uiContextMenuResId = 0;
    CComboBox m_wndMenus;
    CComboBox m_wndContextMenus;
    CComboBox m_wndAnimation;

    static CPoint s_ptContextMenu;
};
