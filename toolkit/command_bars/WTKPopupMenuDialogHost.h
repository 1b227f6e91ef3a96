// CWTKPopupMenuDialogHost: a dialog or property page that serves the toolkit's popup menus
// through its dialog helper. A popup opened by the dialog or one of its controls tells it when
// it becomes the active popup and when it goes (with the popup still open below it, or null);
// the context menu manager opens no popup for it unless the dialog handles the commands itself.
#pragma once

class CWTKPopupMenu;

class CWTKPopupMenuDialogHost {
public:
    virtual ~CWTKPopupMenuDialogHost() = default;

    virtual void SetActivePopup(CWTKPopupMenu* pPopup) = 0;
};
