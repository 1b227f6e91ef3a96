// CWorkspaceBar: the content bar, a docking pane with three tabs: the contents tree of the
// documentation, the Index of topic titles and the keyword Search.
#pragma once
#include "ContentModule.h"
#include "IndexDlg.h"
#include "SearchDlg.h"
#include "WorkspaceTabWnd.h"
#include "frames/WTKSizingControlBar.h"
#include "win/TreeCtrl.h"

#include <initializer_list>

class CWorkspaceBar : public CWTKSizingControlBar, public CContentModule::UnloadObserver {
public:
    CWorkspaceBar() = default;

    // The current module fills the contents tree; without its LoadContents export a message
    // says so and the tree is left empty: another module's entries would open wrong pages.
    void LoadContents();
    // The module may have given the tree its own image list, which goes with the module.
    void OnModuleUnloading() override;

    CWorkspaceTabWnd& GetTabWnd() { return m_wndTabs; }
    CTreeCtrl& GetTree() { return m_wndTree; }
    CIndexDlg& GetIndexPane() { return m_wndIndex; }
    CSearchDlg& GetSearchPane() { return m_wndSearch; }

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    CWorkspaceTabWnd m_wndTabs;
    CSearchDlg m_wndSearch;
    CTreeCtrl m_wndTree;
    CIndexDlg m_wndIndex;
};

// TRUE when the current content module exports every one of the names: the lists are refilled
// only from a module that can answer all their questions.
BOOL CurrentModuleExports(std::initializer_list<LPCSTR> names);
