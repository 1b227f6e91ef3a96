// CHandleOwner: owns a system handle and gives it back to the system when it goes. Its
// traits say which values mean "no handle" and which call frees one, so one owner serves
// kernel handles (CHandle, closed with CloseHandle; both null and INVALID_HANDLE_VALUE, what
// CreateFile returns on failure, are left alone), find handles (CFindHandle) and loaded
// modules (CModuleHandle).
#pragma once
#include <windows.h>

#include <utility>

template <class Traits>
class CHandleOwner {
public:
    using Type = typename Traits::Type;

    CHandleOwner() = default;
    explicit CHandleOwner(Type h) : m_h(h) {}
    ~CHandleOwner() { Close(); }
    CHandleOwner(CHandleOwner&& other) noexcept : m_h(other.Detach()) {}
    CHandleOwner& operator=(CHandleOwner&& other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }
    CHandleOwner(const CHandleOwner&) = delete;
    CHandleOwner& operator=(const CHandleOwner&) = delete;

    operator Type() const { return m_h; }
    // TRUE when the object holds a handle.
    BOOL IsValid() const { return Traits::IsValid(m_h); }

    // Frees the handle held, then takes h.
    void Attach(Type h)
    {
        Close();
        m_h = h;
    }
    // Gives the handle up without freeing it.
    Type Detach() { return std::exchange(m_h, Type()); }
    void Close()
    {
        if (IsValid())
            Traits::Free(m_h);
        m_h = Type();
    }

    Type m_h = Type();
};

struct FwKernelHandleTraits {
    using Type = HANDLE;
    static BOOL IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { ::CloseHandle(h); }
};

struct FwFindHandleTraits {
    using Type = HANDLE;
    static BOOL IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { ::FindClose(h); }
};

struct FwModuleHandleTraits {
    using Type = HMODULE;
    static BOOL IsValid(HMODULE h) { return h != nullptr; }
    static void Free(HMODULE h) { ::FreeLibrary(h); }
};

using CHandle = CHandleOwner<FwKernelHandleTraits>;
using CFindHandle = CHandleOwner<FwFindHandleTraits>;
using CModuleHandle = CHandleOwner<FwModuleHandleTraits>;
