// CWTKBitmapDC: a memory DC with one bitmap selected for its lifetime; the bitmap is selected
// out again before the DC goes, so it can be used (or handed over) afterwards.
#pragma once
#include <windows.h>

class CWTKBitmapDC {
public:
    explicit CWTKBitmapDC(HBITMAP hbm) : m_hdc(::CreateCompatibleDC(nullptr))
    {
        if (m_hdc != nullptr && hbm != nullptr)
            m_hOld = ::SelectObject(m_hdc, hbm);
    }
    ~CWTKBitmapDC()
    {
        if (m_hOld != nullptr)
            ::SelectObject(m_hdc, m_hOld);
        if (m_hdc != nullptr)
            ::DeleteDC(m_hdc);
    }
    CWTKBitmapDC(const CWTKBitmapDC&) = delete;
    CWTKBitmapDC& operator=(const CWTKBitmapDC&) = delete;
    // The DC exists and holds the bitmap.
    bool IsValid() const { return m_hdc != nullptr && m_hOld != nullptr; }
    operator HDC() const { return m_hdc; }

private:
    HDC m_hdc;
    HGDIOBJ m_hOld = nullptr;
};
