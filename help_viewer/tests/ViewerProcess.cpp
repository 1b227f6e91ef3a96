#include "ViewerProcess.h"

#include "Files.h"
#include "RemoteMemory.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kViewerProgram[] = "Lumidoc.exe";
constexpr UINT kReplyLimitMs = 5000;

struct WindowCollection {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam)
{
    auto* collection = reinterpret_cast<WindowCollection*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == collection->processId && ::IsWindowVisible(window))
        collection->windows.push_back(window);
    return TRUE;
}

bool IsDialog(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, kDialogClass) == 0;
}

struct DescendantSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchDescendant(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<DescendantSearch*>(lParam);
    if (::GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

INPUT KeyInput(WORD key, bool up)
{
    INPUT input {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

ViewerProcess::ViewerProcess(const std::string& arguments)
{
    const std::string program = ProgramFile(kViewerProgram);
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          ProgramFolder().c_str(), &startup, &m_process))
        m_process = PROCESS_INFORMATION {};
}

ViewerProcess::~ViewerProcess()
{
    if (!Started())
        return;
    if (Running()) {
        ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, kWaitLimitMs);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

bool ViewerProcess::Running() const
{
    return Started() && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ViewerProcess::Windows() const
{
    WindowCollection collection {m_process.dwProcessId, {}};
    if (Started())
        ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&collection));
    return collection.windows;
}

HWND ViewerProcess::WaitForFrame() const
{
    HWND frame = nullptr;
    PollUntil([&] {
        for (HWND window : Windows()) {
            if (!IsDialog(window)) {
                frame = window;
                return true;
            }
        }
        return !Running();
    });
    return frame;
}

HWND ViewerProcess::WaitForDialog(const char* caption) const
{
    HWND dialog = nullptr;
    PollUntil([&] {
        for (HWND window : Windows()) {
            if (IsDialog(window) && WindowText(window) == caption) {
                dialog = window;
                return true;
            }
        }
        return !Running();
    });
    return dialog;
}

bool ViewerProcess::WaitForText(HWND window, const std::string& part) const
{
    return PollUntil([&] { return WindowText(window).find(part) != std::string::npos || !::IsWindow(window); }) &&
        WindowText(window).find(part) != std::string::npos;
}

bool ViewerProcess::WaitForGone(HWND window) const
{
    return PollUntil([&] { return !::IsWindow(window); });
}

bool ViewerProcess::WaitForIdle() const
{
    return Started() && ::WaitForInputIdle(m_process.hProcess, kWaitLimitMs) == 0;
}

DWORD ViewerProcess::WaitForExit() const
{
    DWORD code = STILL_ACTIVE;
    if (Started() && ::WaitForSingleObject(m_process.hProcess, kWaitLimitMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

DWORD ViewerProcess::Close(HWND frame) const
{
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    return WaitForExit();
}

std::string WindowText(HWND window)
{
    char text[512] = {};
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                               kReplyLimitMs, &length))
        return std::string();
    return std::string(text, length < sizeof text ? length : sizeof text - 1);
}

HWND FindDescendant(HWND window, int id)
{
    DescendantSearch search {id, nullptr};
    ::EnumChildWindows(window, &MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool SendKey(WORD key, std::initializer_list<WORD> modifiers)
{
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(KeyInput(modifier, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto it = modifiers.end(); it != modifiers.begin();)
        inputs.push_back(KeyInput(*--it, true));
    const UINT sent = ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
}

bool TypeKeys(HWND window, std::initializer_list<WORD> modifiers, WORD key)
{
    ::SetForegroundWindow(window);
    if (!PollUntil([&] { return ::GetForegroundWindow() == window; }))
        return false;
    return SendKey(key, modifiers);
}

void ForgetViewerState()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kViewerKey);
}

bool ReadAppLook(DWORD& value)
{
    DWORD size = sizeof value;
    return ::RegGetValueA(HKEY_CURRENT_USER, kViewerSettingsKey, kAppLookValue, RRF_RT_REG_DWORD, nullptr, &value,
                          &size) == ERROR_SUCCESS;
}

void WriteAppLook(DWORD value)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kViewerSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, kAppLookValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(key);
}

namespace {
constexpr char kPlacementKey[] = "Software\\Tolvek\\Lumidoc\\Settings\\WindowPlacement";
}  // namespace

void WriteWindowPlacement(const RECT& rect, DWORD flags, DWORD showCmd)
{
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kPlacementKey, "MainWindowRect", REG_BINARY, &rect, sizeof rect);
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kPlacementKey, "Flags", REG_DWORD, &flags, sizeof flags);
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kPlacementKey, "ShowCmd", REG_DWORD, &showCmd, sizeof showCmd);
}

bool ReadWindowRect(RECT& rect)
{
    DWORD size = sizeof rect;
    return ::RegGetValueA(HKEY_CURRENT_USER, kPlacementKey, "MainWindowRect", RRF_RT_REG_BINARY, nullptr, &rect,
                          &size) == ERROR_SUCCESS &&
        size == sizeof rect;
}

bool SettingsKeyExists()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kViewerSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found {};
    const bool slashed = !folder.empty() && folder.back() == '\\';
    HANDLE search = ::FindFirstFileA((folder + (slashed ? "*" : "\\*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

namespace {

// Asks for an item's text with the request in the control's process and the text behind it.
template <class Item>
std::string RemoteItemText(HWND window, UINT message, WPARAM wParam, Item request)
{
    constexpr size_t kTextSize = 260;
    RemoteMemory memory(window, sizeof(Item) + kTextSize);
    request.pszText = memory.Address() + sizeof(Item);
    request.cchTextMax = kTextSize;
    char text[kTextSize] = {};
    if (!memory.Write(&request, sizeof request) || !::SendMessageA(window, message, wParam, memory.AsParam()) ||
        !memory.Read(text, kTextSize - 1, sizeof(Item)))
        return std::string();
    return text;
}

// Asks for a rectangle that the request fills in, mapped to the screen.
RECT RemoteScreenRect(HWND window, UINT message, WPARAM wParam, RECT request)
{
    RemoteMemory memory(window, sizeof(RECT));
    RECT rect = request;
    if (!memory.Write(&rect, sizeof rect) || !::SendMessageA(window, message, wParam, memory.AsParam()) ||
        !memory.Read(&rect, sizeof rect))
        return RECT {};
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

std::string TreeItemText(HWND tree, HTREEITEM item)
{
    TVITEMA request {};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    return RemoteItemText(tree, TVM_GETITEMA, 0, request);
}

RECT TreeItemRect(HWND tree, HTREEITEM item)
{
    // The request carries the item where the answer's rectangle goes.
    RECT request {};
    static_assert(sizeof item <= sizeof request, "an item handle fits in a rectangle");
    std::memcpy(&request, &item, sizeof item);
    return RemoteScreenRect(tree, TVM_GETITEMRECT, TRUE, request);
}

std::string ListViewText(HWND list, int item, int column)
{
    LVITEMA request {};
    request.iSubItem = column;
    return RemoteItemText(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), request);
}

RECT ListViewLabelRect(HWND list, int item)
{
    RECT request {};
    request.left = LVIR_LABEL;
    return RemoteScreenRect(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), request);
}

std::string ListText(HWND list, int item)
{
    wchar_t text[512] = {};
    if (::SendMessageW(list, LB_GETTEXTLEN, item, 0) < static_cast<LRESULT>(sizeof text / sizeof text[0]))
        ::SendMessageW(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text));
    char narrow[1024] = {};
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
    return narrow;
}

std::vector<std::string> ListBoxTexts(HWND list)
{
    constexpr int kMostEntries = 1000;
    const int count = std::min(static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0)), kMostEntries);
    std::vector<std::string> texts;
    for (int item = 0; item < count; ++item)
        texts.push_back(ListText(list, item));
    return texts;
}
