#include "ViewerStateBench.h"

#include "BenchConstants.h"
#include "RatioStats.h"
#include "ResultTable.h"
#include "ViewerStartBench.h"

#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarButton.h"
#include "command_bars/WTKToolbarButtonList.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "core/Archive.h"
#include "core/MemFile.h"

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// A command the viewer knows, for every stored button.
constexpr UINT kStoredCommand = 0xE107;  // the framework's print command
// Menus of the stored menu bar: together with their items, as many buttons as a bar may store.
constexpr int kStoredMenus = CWTKToolBar::kMaxStoredItems / CWTKToolBar::kMaxStoredButtons;
constexpr int kItemsPerMenu = CWTKToolBar::kMaxStoredItems / kStoredMenus - 1;

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

// The keys below path (and path itself) whose names begin with nameStart, depth first.
void FindKeys(const std::string& path, const std::string& nameStart, std::vector<std::string>& found)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return;
    char name[256] = {};
    for (DWORD i = 0;; ++i) {
        DWORD nName = sizeof name;
        if (::RegEnumKeyExA(hKey, i, name, &nName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const std::string sub = path + "\\" + name;
        if (StartsWith(name, nameStart))
            found.push_back(sub);
        FindKeys(sub, nameStart, found);
    }
    ::RegCloseKey(hKey);
}

// A bar's "Buttons" value as the bar writes it: the buttons, no labels, a name.
std::vector<BYTE> ArchivedBar(const CWTKToolbarButtonList& buttons)
{
    CObList view;
    buttons.ListIn(view);
    CMemFile file(4096);
    {
        CArchive ar(&file, CArchive::store);
        view.Serialize(ar);
        ar << 0;
        ar << CString("Stored");
        ar.Close();
    }
    const auto nLength = static_cast<size_t>(file.GetLength());
    std::unique_ptr<BYTE, decltype(&free)> bytes(file.Detach(), &free);
    return std::vector<BYTE>(bytes.get(), bytes.get() + nLength);
}

std::vector<BYTE> LargestToolBar()
{
    CWTKToolbarButtonList buttons;
    for (int i = 0; i < CWTKToolBar::kMaxStoredButtons; ++i)
        buttons.AddTail(std::make_unique<CWTKToolbarButton>(kStoredCommand, -1));
    return ArchivedBar(buttons);
}

std::vector<BYTE> LargestMenuBar()
{
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < kItemsPerMenu; ++i)
        ::AppendMenuA(hMenu, MF_STRING, kStoredCommand, "&Print");
    CWTKToolbarButtonList menus;
    for (int i = 0; i < kStoredMenus; ++i)
        menus.AddTail(std::make_unique<CWTKToolbarMenuButton>(0, hMenu, -1, "&Menu"));
    ::DestroyMenu(hMenu);
    return ArchivedBar(menus);
}

bool WriteButtons(const std::string& key, const std::vector<BYTE>& value)
{
    return ::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Buttons", REG_BINARY, value.data(),
                             static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
}

DWORD ButtonsSize(const std::string& key)
{
    DWORD nBytes = 0;
    ::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), "Buttons", RRF_RT_REG_BINARY, nullptr, nullptr, &nBytes);
    return nBytes;
}

void ForgetState()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, Bench::kViewerStateKey);
}

// The state a start and close write, with the toolbar and the menu bar filled to their bounds;
// a copy of it is kept under a key of the benchmark's. The toolbar's key; empty on failure.
std::string MakeLargestState()
{
    ForgetState();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, Bench::kViewerStateCopyKey);
    if (CViewerStartBench::TimeViewerStart() == 0)
        return {};
    std::vector<std::string> toolBars;
    std::vector<std::string> menuBars;
    FindKeys(Bench::kViewerStateKey, Bench::kViewerToolBarKey, toolBars);
    FindKeys(Bench::kViewerStateKey, Bench::kViewerMenuBarKeyStart, menuBars);
    if (toolBars.empty() || !WriteButtons(toolBars.front(), LargestToolBar()))
        return {};
    const std::vector<BYTE> menuBar = LargestMenuBar();
    for (const std::string& key : menuBars)
        WriteButtons(key, menuBar);
    HKEY hCopy = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, Bench::kViewerStateCopyKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hCopy,
                          nullptr) != ERROR_SUCCESS)
        return {};
    const LONG lCopied = ::RegCopyTreeA(HKEY_CURRENT_USER, Bench::kViewerStateKey, hCopy);
    ::RegCloseKey(hCopy);
    return lCopied == ERROR_SUCCESS ? toolBars.front() : std::string();
}

bool RestoreLargestState()
{
    ForgetState();
    HKEY hState = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, Bench::kViewerStateKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hState,
                          nullptr) != ERROR_SUCCESS)
        return false;
    const LONG lCopied = ::RegCopyTreeA(HKEY_CURRENT_USER, Bench::kViewerStateCopyKey, hState);
    ::RegCloseKey(hState);
    return lCopied == ERROR_SUCCESS;
}

}  // namespace

void CViewerStateBench::Run(CResultTable& table)
{
    table.AddSection("Help viewer: start with the largest stored state the bounds allow");
    const std::string toolBarKey = MakeLargestState();
    const DWORD nSeeded = toolBarKey.empty() ? 0 : ButtonsSize(toolBarKey);
    if (nSeeded == 0 || !RestoreLargestState() || CViewerStartBench::TimeViewerStart() == 0) {
        table.AddValue("the largest state could not be stored, or the viewer does not show", "skipped");
        ForgetState();
        return;
    }
    // The start before kept the toolbar's stored buttons: the state timed is the one loaded.
    const bool bKept = ButtonsSize(toolBarKey) == nSeeded;
    CRatioStats stats;
    for (int round = 0; round < Bench::kRounds; ++round) {
        ForgetState();
        const double none = CViewerStartBench::TimeViewerStart();
        const double largest = RestoreLargestState() ? CViewerStartBench::TimeViewerStart() : 0;
        if (none > 0 && largest > 0)
            stats.Add(none, largest);
    }
    ForgetState();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, Bench::kViewerStateCopyKey);
    if (stats.Count() == 0) {
        table.AddValue("no round completed", "skipped");
        return;
    }
    table.AddRatio("Lumidoc.exe start, toolbar " + std::to_string(CWTKToolBar::kMaxStoredButtons) +
                       " buttons, menu bar " + std::to_string(CWTKToolBar::kMaxStoredItems) + " items" +
                       (bKept ? "" : " (not kept)"),
                   CResultTable::Duration(stats.MedianSubject()),
                   "no stored state " + CResultTable::Duration(stats.MedianBaseline()), stats, Bench::kViewerStateGoal);
}
