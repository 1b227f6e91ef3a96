#include "core/Handle.h"

#include <utility>

CHandle::~CHandle()
{
    Close();
}

CHandle& CHandle::operator=(CHandle&& other) noexcept
{
    if (this != &other)
        Attach(other.Detach());
    return *this;
}

void CHandle::Attach(HANDLE h)
{
    Close();
    m_h = h;
}

HANDLE CHandle::Detach()
{
    return std::exchange(m_h, nullptr);
}

void CHandle::Close()
{
    if (IsValid())
        ::CloseHandle(m_h);
    m_h = nullptr;
}
