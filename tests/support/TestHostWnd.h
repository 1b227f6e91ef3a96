// CTestHostWnd: the top-level window a test puts the controls it examines in: a client area of
// the size asked, in the button-face colour, with a caption and a close box.
#pragma once
#include "win/Wnd.h"

class CTestHostWnd : public CWnd {
public:
    BOOL CreateHost(int cx, int cy, LPCSTR lpszTitle);
};
