#include "win/WaitCursor.h"

static HCURSOR WaitCursorHandle()
{
    return ::LoadCursorA(nullptr, (LPCSTR)IDC_WAIT);
}

CWaitCursor::CWaitCursor() : m_hcurPrevious(::SetCursor(WaitCursorHandle())) {}

CWaitCursor::~CWaitCursor()
{
    ::SetCursor(m_hcurPrevious);
}

void CWaitCursor::Restore()
{
    ::SetCursor(WaitCursorHandle());
}
