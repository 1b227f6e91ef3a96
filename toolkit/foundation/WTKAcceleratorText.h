#pragma once

#include "core/String.h"

#include <windows.h>

// The text of an accelerator entry as menus and tooltips show it: modifier names, each followed
// by "+", then the key ("Ctrl+Down").
class CWTKAcceleratorText {
public:
    explicit CWTKAcceleratorText(const ACCEL* pAccel = nullptr) : m_pAccel(pAccel) {}
    virtual ~CWTKAcceleratorText() = default;

    void Format(CString& str) const;

private:
    // The keyboard's name of a virtual key, lower case with its first letter upper case.
    static CString KeyName(UINT uiVirtKey);

    const ACCEL* m_pAccel;
};
