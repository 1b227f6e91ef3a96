#pragma once

#include "gdi/DC.h"

class CWnd;

// The client area DC of a window (the screen for a null window), released
// on destruction.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

    HWND m_hWnd = nullptr;
};
