// Linked into a test program, this replaces the program's allocator: freed memory is
// overwritten, so that a frame, popup, bar or button used after it went reads garbage (a
// poisoned vtable crashes the program) instead of its old values.
#include <windows.h>

#include <cstring>
#include <new>

void* operator new(size_t nSize)
{
    void* p = ::HeapAlloc(::GetProcessHeap(), 0, nSize != 0 ? nSize : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void operator delete(void* p) noexcept
{
    if (p == nullptr)
        return;
    const SIZE_T nSize = ::HeapSize(::GetProcessHeap(), 0, p);
    if (nSize != static_cast<SIZE_T>(-1))
        std::memset(p, 0xDD, nSize);
    ::HeapFree(::GetProcessHeap(), 0, p);
}

void operator delete(void* p, size_t /*nSize*/) noexcept
{
    operator delete(p);
}
