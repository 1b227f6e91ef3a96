// Drives the barcode dialog of this process from another thread, as a user would: it types
// into the data edit and clicks controls with posted messages, so that everything reaches
// the dialog in order through its own message loop.
#pragma once

#include <windows.h>

#include <string>

class DialogScript {
public:
    // Waits for this process's barcode dialog to show; false after the timeout.
    bool WaitForDialog(DWORD timeoutMs = 20000);
    HWND Dialog() const { return m_dialog; }

    void Type(const char* text);
    void Click(int id);
    void SelectComboEntry(int id, int index);
    void CloseBox();
    // Waits until the control's window text equals text; false after the timeout.
    bool WaitForText(int id, const char* text, DWORD timeoutMs = 10000);
    std::string Text(int id) const;
    // Waits for the dialog to go away; false after the timeout.
    bool WaitForEnd(DWORD timeoutMs = 20000);

private:
    HWND m_dialog = nullptr;
};
