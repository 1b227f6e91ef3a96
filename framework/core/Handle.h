// CHandle: owns a kernel handle (file, event, process...) and closes it when it
// goes. Both "no handle" values of the system, null and INVALID_HANDLE_VALUE (what
// CreateFile returns on failure), are left alone.
#pragma once
#include <windows.h>

class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE h) : m_h(h) {}
    ~CHandle();
    CHandle(CHandle&& other) noexcept : m_h(other.Detach()) {}
    CHandle& operator=(CHandle&& other) noexcept;
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    operator HANDLE() const { return m_h; }
    // TRUE when the object holds a handle (neither null nor INVALID_HANDLE_VALUE).
    BOOL IsValid() const { return m_h != nullptr && m_h != INVALID_HANDLE_VALUE; }

    // Closes the handle held, then takes h.
    void Attach(HANDLE h);
    // Gives the handle up without closing it.
    HANDLE Detach();
    void Close();

    HANDLE m_h = nullptr;
};
