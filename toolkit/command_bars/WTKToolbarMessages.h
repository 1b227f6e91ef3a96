// Window messages the toolbars send to frames and owners, registered by name at start-up
// (before main) so that any window of the process can handle them without shared numbers.
#pragma once
#include <windows.h>

// wParam: the bar (or frame, dialog) right-clicked; lParam: screen point, signed 16-bit x and y
// (read them with WTKPointFromPopupMenuParam).
extern const UINT WTK_TOOLBAR_POPUPMENU;
extern const UINT WTK_TOOLBAR_CUSTOMIZE;  // registered, never sent
// lParam: the new toolbar's name; result: the created toolbar object or 0.
extern const UINT WTK_TOOLBAR_CREATE;
// lParam: the toolbar object as its CWnd*; result nonzero when deleted. A receiver deletes only
// a toolbar it finds in WTKAllToolbars() (WTKFindToolBarOfParam).
extern const UINT WTK_TOOLBAR_DELETE;
// wParam: active page index; lParam: the customisation sheet.
extern const UINT WTK_TOOLBAR_CUSTOMIZEHELP;
// wParam: resource id of the toolbar that just got its default buttons.
extern const UINT WTK_TOOLBAR_RESETTOOLBAR;
// wParam: menu resource id the menu bar was rebuilt from; result nonzero when handled.
extern const UINT WTK_TOOLBAR_RESETMENU;
extern const UINT WTK_TOOLBAR_SHOWREGULARMENU;  // registered, never sent
// wParam: the context menu's resource id; lParam: the popup menu window showing it.
extern const UINT WTK_TOOLBAR_RESETCONTEXTMENU;
extern const UINT WTK_TOOLBAR_RESETKEYBOARD;  // registered as "WTKTOOLBAR_RESETKEYBAORD"

// Customisation messages. wParam: the colour button's command id; lParam: the colour list
// (CList<COLORREF, COLORREF>*) the frame fills with the document's colours.
extern const UINT WTK_TOOLBAR_GETDOCUMENTCOLORS;
extern const UINT WTKM_PROPERTYCHANGED;

// Static strings of the customisation family.
extern const char* const kWTKUserToolsManagerSection;  // "WTKUserToolsManager"
extern const char* const kWTKUserToolsEntry;           // "Tools"
// The property list's number formats: "%d", "%ld", "%u", "%u", "%f", "%lf".
extern const char* const kWTKPropertyFormats[6];

// The screen point of a WTK_TOOLBAR_POPUPMENU lParam, read signed (screens left of or above
// the primary one give negative coordinates).
POINT WTKPointFromPopupMenuParam(LPARAM lParam);

class CWTKToolBarBase;
// The toolbar of a WTK_TOOLBAR_DELETE lParam when it is in the list of all toolbars, else null.
CWTKToolBarBase* WTKFindToolBarOfParam(LPARAM lParam);
