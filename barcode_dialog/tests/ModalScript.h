// Works a modal window of this thread from inside its own message loop, as a user would, step by
// step: a thread timer runs one step a tick once the window shows. By default the window is the
// barcode dialog, found by its caption, so it drives the dialog of this program and of the
// module alike.
#pragma once

#include "Resource.h"

#include <windows.h>

#include <cstring>
#include <functional>
#include <utility>
#include <vector>

// A step returns true when it is done; one that returns false runs again at the next tick.
using Step = std::function<bool(HWND dialog)>;

// Finds the window that the steps work on, or returns null while it is not there yet.
using WindowFinder = HWND (*)();

// A tick comes only when the posted messages of the step before have all been handled.
class ModalScript {
public:
    explicit ModalScript(std::vector<Step> steps, WindowFinder findWindow = &FindBarcodeDialog)
        : m_steps(std::move(steps)), m_findWindow(findWindow)
    {
        s_current = this;
        m_timer = ::SetTimer(nullptr, 0, 20, &ModalScript::OnTick);
    }
    ~ModalScript()
    {
        ::KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    static HWND FindBarcodeDialog()
    {
        HWND dialog = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &ModalScript::IsBarcodeDialog, reinterpret_cast<LPARAM>(&dialog));
        return dialog;
    }

private:
    static BOOL CALLBACK IsBarcodeDialog(HWND hwnd, LPARAM lParam)
    {
        char caption[64] = {};
        ::GetWindowTextA(hwnd, caption, sizeof caption);
        if (std::strcmp(caption, "Tolvek Vantrix Helper") == 0 && ::IsWindowVisible(hwnd)) {
            *reinterpret_cast<HWND*>(lParam) = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        ModalScript* self = s_current;
        if (self == nullptr)
            return;
        HWND dialog = self->m_findWindow();
        if (dialog == nullptr)
            return;
        // A script that did not end the dialog must not hang the test.
        if (++self->m_ticks > kMostTicks) {
            ::PostMessageA(dialog, WM_CLOSE, 0, 0);
            return;
        }
        if (self->m_next < self->m_steps.size() && self->m_steps[self->m_next](dialog))
            ++self->m_next;
    }

    static constexpr int kMostTicks = 200;
    static inline ModalScript* s_current = nullptr;
    std::vector<Step> m_steps;
    WindowFinder m_findWindow;
    size_t m_next = 0;
    int m_ticks = 0;
    UINT_PTR m_timer = 0;
};

inline Step Type(const char* text)
{
    return [text](HWND dialog) {
        HWND edit = ::GetDlgItem(dialog, IDC_DATA_EDIT);
        for (const char* p = text; *p != '\0'; ++p)
            ::PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
        return true;
    };
}

inline Step Click(int id)
{
    return [id](HWND dialog) {
        HWND control = ::GetDlgItem(dialog, id);
        const LONG style = ::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        if (style == BS_AUTOCHECKBOX)
            ::CheckDlgButton(dialog, id, ::IsDlgButtonChecked(dialog, id) ? BST_UNCHECKED : BST_CHECKED);
        else if (style == BS_AUTORADIOBUTTON)
            ::SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
        return true;
    };
}

inline Step Select(int id, int index)
{
    return [id, index](HWND dialog) {
        HWND combo = ::GetDlgItem(dialog, id);
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        return true;
    };
}

inline Step CloseBox()
{
    return [](HWND dialog) {
        ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    };
}

inline Step Check(std::function<void(HWND)> check)
{
    return [check](HWND dialog) {
        check(dialog);
        return true;
    };
}

// Waits, a tick at a time, until the condition holds (input from the keyboard queue, say).
inline Step WaitUntil(std::function<bool()> condition)
{
    return [condition](HWND) {
        return condition();
    };
}
