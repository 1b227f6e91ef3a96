#pragma once

#include "gdi/DC.h"

class CWnd;

// The whole-window DC (non-client area included; the screen for a null
// window), released on destruction.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

    HWND m_hWnd = nullptr;
};
