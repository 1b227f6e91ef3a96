// The viewer's main frame as the application makes it: a content module is loaded, then a
// single-document template joining CHelpDoc, CMainFrame and CHelpView opens its one document,
// which creates the frame (the program's main window) and shows the start topic.
#pragma once
#include "HelpDoc.h"
#include "HelpView.h"
#include "MainFrame.h"
#include "ViewerTestSupport.h"
#include "docview/SingleDocTemplate.h"

#include <memory>
#include <string>
#include <vector>

class ViewerFrameFixture {
public:
    // lpszModule null: no module is loaded.
    explicit ViewerFrameFixture(LPCSTR lpszModule, int nStartTopic = 0);
    ~ViewerFrameFixture();
    ViewerFrameFixture(const ViewerFrameFixture&) = delete;
    ViewerFrameFixture& operator=(const ViewerFrameFixture&) = delete;

    CMainFrame* Frame() const { return m_pFrame; }
    CHelpDoc* Doc() const;
    CHelpView* View() const;
    CWorkspaceBar& ContentBar() const { return m_pFrame->GetContentBar(); }
    // The page the view shows, once the navigations asked for have completed.
    std::string Location() const;
    // A command as a menu item or toolbar button sends it.
    void Command(UINT nID) const;
    // The check mark an update handler gives the command (-1: none given).
    int CheckOf(UINT nID) const;

private:
    ContentModuleGuard m_moduleGuard;
    std::unique_ptr<CSingleDocTemplate> m_pTemplate;
    CMainFrame* m_pFrame = nullptr;
};

// The page of a fixture module's topic ("res://HvDocA.dll/1" for topic 0).
std::string FixturePage(char kind, int nTopic);
// The texts of a list box, top to bottom.
std::vector<std::string> ListTexts(const CListBox& list);
// Selects an item as a click does: the selection, then the notification to the pane.
void ClickListItem(CListBox& list, int nItem);
// Types text into an edit box as the user does: the text, then the change notification.
void TypeText(CEdit& edit, LPCSTR lpszText);
// The id of the dock bar a bar sits on (0 when it floats or is not docked).
UINT DockBarIdOfBar(CControlBar* pBar);
