#include "MessagePump.h"

#include "win/WinThread.h"

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT || !FwPumpMessage())
            break;
    }
}
