// RemoteMemory: a block of memory inside the process that owns a window, for the control
// messages that take a pointer (tree and list view items, rectangles), so that a test can ask
// another program's controls. Freed with the object.
#pragma once

#include <windows.h>

#include <cstddef>

class RemoteMemory {
public:
    RemoteMemory(HWND window, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    char* Address() const { return static_cast<char*>(m_address); }
    LPARAM AsParam() const { return reinterpret_cast<LPARAM>(m_address); }
    bool Write(const void* data, size_t size, size_t offset = 0) const;
    bool Read(void* data, size_t size, size_t offset = 0) const;

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    size_t m_size;
};
