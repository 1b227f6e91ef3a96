#pragma once

#include "gdi/DC.h"

class CWnd;

// The DC of a WM_PAINT handler: BeginPaint on construction, EndPaint on
// destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    HWND m_hWnd = nullptr;
    PAINTSTRUCT m_ps = {};
};
