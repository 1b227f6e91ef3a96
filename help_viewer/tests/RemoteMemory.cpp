#include "RemoteMemory.h"

RemoteMemory::RemoteMemory(HWND window, size_t size) : m_size(size)
{
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (m_process)
        m_address = ::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory()
{
    if (m_address)
        ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    if (m_process)
        ::CloseHandle(m_process);
}

bool RemoteMemory::Write(const void* data, size_t size, size_t offset) const
{
    return m_address && offset + size <= m_size &&
        ::WriteProcessMemory(m_process, Address() + offset, data, size, nullptr);
}

bool RemoteMemory::Read(void* data, size_t size, size_t offset) const
{
    return m_address && offset + size <= m_size &&
        ::ReadProcessMemory(m_process, Address() + offset, data, size, nullptr);
}
