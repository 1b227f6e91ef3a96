// The red frame that draws the eye to the control the user should act on next: it blinks round
// the control on the owner window's timer and stops by itself after a fixed number of ticks.
#pragma once

#include "core/Rect.h"
#include "win/Wnd.h"

class CFlashFrame {
public:
    // The owner's client area carries the frame and the owner's timer drives it.
    explicit CFlashFrame(CWnd* pOwner) : m_pOwner(pOwner) {}
    CFlashFrame(const CFlashFrame&) = delete;
    CFlashFrame& operator=(const CFlashFrame&) = delete;

    // Erases a running flash and starts one round the control.
    void Start(CWnd* pControl);
    // One tick of the owner's flash timer: the frame shows on even counts.
    void OnTick();
    // Erases the frame, keeping the timer.
    void Erase();
    // Erases the frame and stops the timer.
    void Stop();

    BOOL IsFlashing() const { return m_bFlashing; }
    // The frame in the owner's client coordinates.
    const CRect& GetRect() const { return m_rect; }
    int GetCount() const { return m_count; }

private:
    void Draw();

    CWnd* m_pOwner;
    CRect m_rect;
    int m_count = 0;
    BOOL m_bFlashing = FALSE;
};
