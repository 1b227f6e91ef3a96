#include "DialogScript.h"

namespace {

const char kDialogCaption[] = "Tolvek Vantrix Helper";
const int kDataEditId = 1018;

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindOwnDialog(HWND hwnd, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    char caption[64] = {};
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (process == search->process && IsWindowVisible(hwnd) && lstrcmpA(caption, kDialogCaption) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool DialogScript::WaitForDialog(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    do {
        // Only windows of this process: other test programs share the display.
        Search search {GetCurrentProcessId(), nullptr};
        EnumWindows(FindOwnDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            m_dialog = search.found;
            return true;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

void DialogScript::Type(const char* text)
{
    HWND edit = GetDlgItem(m_dialog, kDataEditId);
    for (const char* p = text; *p != '\0'; ++p)
        PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

void DialogScript::Click(int id)
{
    PostMessageA(GetDlgItem(m_dialog, id), BM_CLICK, 0, 0);
}

void DialogScript::SelectComboEntry(int id, int index)
{
    HWND combo = GetDlgItem(m_dialog, id);
    PostMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void DialogScript::CloseBox()
{
    PostMessageA(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

std::string DialogScript::Text(int id) const
{
    char text[512] = {};
    GetDlgItemTextA(m_dialog, id, text, sizeof text);
    return text;
}

bool DialogScript::WaitForText(int id, const char* text, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    do {
        if (Text(id) == text)
            return true;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

bool DialogScript::WaitForEnd(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    do {
        if (!IsWindow(m_dialog))
            return true;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}
