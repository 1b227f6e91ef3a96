// The viewer run as a separate program and read from outside, as the barcode dialog's help
// buttons start it: its windows found by process, class and caption, texts read with window
// messages, keys typed through the system's input queue, the registry read after exit.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

// HKCU keys of the viewer's per-user state.
constexpr char kViewerKey[] = "Software\\Tolvek\\Lumidoc";
constexpr char kViewerSettingsKey[] = "Software\\Tolvek\\Lumidoc\\Settings";
constexpr char kAppLookValue[] = "AppLook";
// The frame's pane (the HTML view), the contents tree, the content and caption bars.
constexpr int kViewPaneId = 0xE900;
constexpr int kContentsTreeId = 108;
constexpr int kContentBarId = 32803;
constexpr int kCaptionBarId = 32816;
// The class of dialogs and message boxes.
constexpr char kDialogClass[] = "#32770";
// The Load Documentation dialog's caption, its list and the list's column with the file names.
constexpr char kLoadDocCaption[] = "Lumidoc";
constexpr int kDocListId = 1048;
constexpr int kDocFileColumn = 1;
// The Index tab's list.
constexpr int kIndexListId = 1043;
constexpr char kAboutCaption[] = "About Lumidoc";
// The looks of View > Application Look, as "AppLook" stores them and in the sub-menu's order.
constexpr DWORD kLookOffice2000 = 32871;
constexpr DWORD kLookOfficeXP = 32872;
constexpr DWORD kLookWindowsXP = 32873;
constexpr DWORD kLookOffice2003 = 32874;
constexpr DWORD kLooks[] = {kLookOffice2000, kLookOfficeXP, kLookWindowsXP, kLookOffice2003};

// Waits are bounded so that a viewer that hangs fails the test instead of stopping the run;
// the bound is generous, for the 32-bit build under emulation.
constexpr DWORD kWaitLimitMs = 90000;
constexpr DWORD kPollMs = 50;

// Polls the condition until it holds or the limit passes; whether it held.
template <class Condition>
bool PollUntil(Condition condition, DWORD limitMs = kWaitLimitMs, DWORD pollMs = kPollMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start > limitMs)
            return false;
        ::Sleep(pollMs);
    }
}

class ViewerProcess {
public:
    // Starts Lumidoc.exe from this program's folder with the arguments.
    explicit ViewerProcess(const std::string& arguments);
    // A viewer still running is ended.
    ~ViewerProcess();
    ViewerProcess(const ViewerProcess&) = delete;
    ViewerProcess& operator=(const ViewerProcess&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    bool Running() const;

    // The visible top-level windows of the process, in z order.
    std::vector<HWND> Windows() const;
    // Waits (bounded) for a visible top-level window of the process that is not a dialog.
    HWND WaitForFrame() const;
    // Waits (bounded) for a visible dialog or message box of the process with that caption.
    HWND WaitForDialog(const char* caption) const;
    // Waits (bounded) until the window's text holds the part.
    bool WaitForText(HWND window, const std::string& part) const;
    // Waits (bounded) until the window is destroyed.
    bool WaitForGone(HWND window) const;
    // Waits (bounded) until the process handles messages again.
    bool WaitForIdle() const;
    // Waits (bounded) for the end; the exit code, or STILL_ACTIVE when it runs on.
    DWORD WaitForExit() const;
    // Asks the frame to close as its close box does and waits for the end.
    DWORD Close(HWND frame) const;

private:
    PROCESS_INFORMATION m_process {};
};

// A window's text, read with WM_GETTEXT (which crosses processes).
std::string WindowText(HWND window);
// A child anywhere below the window with that control id, or null.
HWND FindDescendant(HWND window, int id);

// Another process's tree and list view controls, asked through memory in that process: an
// item's text (empty when it cannot be read) and its label's rectangle on the screen (empty when
// it is not shown).
std::string TreeItemText(HWND tree, HTREEITEM item);
RECT TreeItemRect(HWND tree, HTREEITEM item);
std::string ListViewText(HWND list, int item, int column);
RECT ListViewLabelRect(HWND list, int item);
// A list box entry's text, and every entry's (bounded), asked for in UTF-16: the form the system
// carries across processes.
std::string ListText(HWND list, int item);
std::vector<std::string> ListBoxTexts(HWND list);

// A key pressed and released with the modifiers held (VK_MENU, VK_CONTROL, VK_SHIFT), through
// the system's input queue to whichever window has the keyboard: the modifiers go down in
// order, the key goes down and up, the modifiers come up in reverse order. Whether the system
// took every event.
bool SendKey(WORD key, std::initializer_list<WORD> modifiers = {});
// Brings the window to the front and types a key with modifiers held (VK_CONTROL, VK_SHIFT).
bool TypeKeys(HWND window, std::initializer_list<WORD> modifiers, WORD key);

// ---- The viewer's state in the registry ----
void ForgetViewerState();
bool ReadAppLook(DWORD& value);
void WriteAppLook(DWORD value);
bool SettingsKeyExists();
// The main window's stored placement: its normal rectangle, placement flags and show command.
void WriteWindowPlacement(const RECT& rect, DWORD flags, DWORD showCmd);
bool ReadWindowRect(RECT& rect);

// The names of the files in a folder (no sub-folders).
std::vector<std::string> FilesIn(const std::string& folder);
