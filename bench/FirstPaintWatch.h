// Watches the next top-level dialog that this thread creates: notes the time when the dialog
// and its controls have first painted, then closes the dialog from a timer. The watch sits
// outside the dialog's own code (a creation hook and a window subclass), so that a dialog of
// ours and a bare one are measured alike. One watch at a time.
#pragma once

#include <windows.h>

class CFirstPaintWatch {
public:
    enum class Closing {
        EndDialog,     // a dialog with no code to handle its close box
        CloseMessage,  // the close box, as a user ends the product's dialog
    };

    explicit CFirstPaintWatch(Closing closing);
    ~CFirstPaintWatch();
    CFirstPaintWatch(const CFirstPaintWatch&) = delete;
    CFirstPaintWatch& operator=(const CFirstPaintWatch&) = delete;

    // Performance counter seconds at the end of WM_INITDIALOG, at the start and at the end of
    // the first paint; 0 when there was none.
    double InitialisedAt() const { return m_initialisedAt; }
    double PaintStartedAt() const { return m_paintStartedAt; }
    double PaintedAt() const { return m_paintedAt; }

private:
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK CloseTimer(HWND hWnd, UINT, UINT_PTR id, DWORD);

    Closing m_closing;
    HHOOK m_hook = nullptr;
    HWND m_dialog = nullptr;
    WNDPROC m_original = nullptr;
    double m_initialisedAt = 0;
    double m_paintStartedAt = 0;
    double m_paintedAt = 0;
};
