// A modeless barcode dialog on its real template, worked through real messages. Typed
// characters go through the dialog's pre-translation as the message loop would send them.
#pragma once

#include "BarcodeDlg.h"
#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <cstring>

class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(&record, 0, sizeof record);
        ::DeleteFileA(CSettingsFile().GetPath().c_str());
    }
    void TearDown() override
    {
        if (dialog.m_hWnd != nullptr)
            dialog.DestroyWindow();
        ::DeleteFileA(CSettingsFile().GetPath().c_str());
    }

    static BarcodeSettings Defaults()
    {
        BarcodeSettings settings {};
        CSettingsFile::SetDefaults(settings);
        return settings;
    }

    // Opens the dialog over the given options (saved as the settings file first).
    void Open(const BarcodeSettings& settings)
    {
        CSettingsFile().Save(settings);
        // Left hidden: a shown top-level window costs seconds to take down under Wine.
        ASSERT_TRUE(dialog.Create(CBarcodeDlg::IDD, nullptr));
    }
    void Open() { Open(Defaults()); }

    HWND Item(int id) const { return ::GetDlgItem(dialog.m_hWnd, id); }
    // Shown as far as the control itself goes (the dialog stays hidden in these tests).
    bool Shown(int id) const { return (::GetWindowLongA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }

    void Type(const char* text)
    {
        for (const char* p = text; *p != '\0'; ++p) {
            MSG msg {Item(IDC_DATA_EDIT), WM_CHAR, static_cast<unsigned char>(*p), 1, 0, {0, 0}};
            if (!dialog.PreTranslateMessage(&msg))
                ::DispatchMessageA(&msg);
        }
    }
    // A key pressed in the data edit, through pre-translation (the dialog manager's keys).
    void PressKey(UINT vk)
    {
        MSG msg {Item(IDC_DATA_EDIT), WM_KEYDOWN, vk, 1, 0, {0, 0}};
        if (!dialog.PreTranslateMessage(&msg))
            ::DispatchMessageA(&msg);
    }
    // Sets the edit's text as a paste would: no keystroke filter.
    void Paste(const char* text) { ::SetWindowTextA(Item(IDC_DATA_EDIT), text); }
    CString Data() const
    {
        char text[512] = {};
        ::GetWindowTextA(Item(IDC_DATA_EDIT), text, sizeof text);
        return text;
    }
    CString Label(int id) const
    {
        char text[64] = {};
        ::GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }

    void Command(int id, UINT code = BN_CLICKED)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }
    // A check box clicked by the user: its state flips, then the dialog hears of it.
    void Toggle(int id)
    {
        const UINT state = ::IsDlgButtonChecked(dialog.m_hWnd, id);
        ::CheckDlgButton(dialog.m_hWnd, id, state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        Command(id);
    }
    void Radio(int first, int last, int id)
    {
        ::CheckRadioButton(dialog.m_hWnd, first, last, id);
        Command(id);
    }
    void Select(int id, int index)
    {
        ::SendMessageA(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Command(id, CBN_SELCHANGE);
    }

    // The flash frame expected round a control.
    CRect FlashRectOf(int id) const
    {
        CRect rect;
        ::GetWindowRect(Item(id), &rect);
        ::MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        rect.InflateRect(2, 2);
        return rect;
    }
    bool FlashesOn(int id) const
    {
        return dialog.GetFlash().IsFlashing() && dialog.GetFlash().GetRect() == FlashRectOf(id);
    }

    CString Encoded() const { return dialog.GetDisplay().GetText(); }
    CString Previewed() const { return dialog.GetPreview().GetText(); }

    InsertBarcodeData record {};
    CBarcodeDlg dialog {&record};
};
