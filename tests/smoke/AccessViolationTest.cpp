// Access violations reach a program as access violations on either build, the 32-bit one under
// user-mode emulation included: a handler that expects one sees its code, kind and address,
// code that guards its memory accesses keeps working, and an unhandled one ends the program at
// once with the violation as its exit code.
#include "Files.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr DWORD kThreadRecovered = 0x5EED;
constexpr ULONG_PTR kRead = 0, kWrite = 1;  // ExceptionInformation[0]

struct SeenFault {
    DWORD code = 0;
    ULONG_PTR kind = ~ULONG_PTR(0);
    ULONG_PTR address = ~ULONG_PTR(0);
};

SeenFault g_seen;
DWORD g_faultingThread = 0;

void WINAPI EndFaultingThread()
{
    ExitThread(kThreadRecovered);
}

// Records the fault of the faulting thread and resumes it in a function that ends it, as if
// that function had been called at the faulting instruction.
LONG CALLBACK RecordAndEndThread(EXCEPTION_POINTERS* pointers)
{
    if (GetCurrentThreadId() != g_faultingThread)
        return EXCEPTION_CONTINUE_SEARCH;
    const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
    g_seen.code = record.ExceptionCode;
    if (record.NumberParameters >= 2) {
        g_seen.kind = record.ExceptionInformation[0];
        g_seen.address = record.ExceptionInformation[1];
    }
    CONTEXT& context = *pointers->ContextRecord;
#ifdef _WIN64
    context.Rsp = (context.Rsp & ~DWORD64(15)) - 8;
    context.Rip = reinterpret_cast<DWORD64>(&EndFaultingThread);
#else
    context.Esp = (context.Esp & ~DWORD(15)) - 4;
    context.Eip = reinterpret_cast<DWORD>(&EndFaultingThread);
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

struct Access {
    const char* what;
    bool write;
    int* target;
};

DWORD WINAPI Touch(void* parameter)
{
    const Access& access = *static_cast<const Access*>(parameter);
    volatile int* volatile target = access.target;  // the compiler may neither drop nor prove it
    if (access.write)
        *target = 1;
    else
        return static_cast<DWORD>(*target);
    return 0;
}

// Reserved address space: no page is there to read or write.
struct ReservedPage {
    void* base = VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS);
    ~ReservedPage() { VirtualFree(base, 0, MEM_RELEASE); }
};

}  // namespace

TEST(AccessViolation, AHandlerSeesTheViolationWithItsKindAndAddress)
{
    ReservedPage reserved;
    ASSERT_NE(reserved.base, nullptr);
    const Access cases[] = {
        {"write through a null pointer", true, nullptr},
        {"read of reserved memory", false, static_cast<int*>(reserved.base)},
    };
    PVOID handler = AddVectoredExceptionHandler(1, RecordAndEndThread);
    ASSERT_NE(handler, nullptr);
    for (const Access& access : cases) {
        SCOPED_TRACE(access.what);
        g_seen = {};
        HANDLE thread =
            CreateThread(nullptr, 0, Touch, const_cast<Access*>(&access), CREATE_SUSPENDED, &g_faultingThread);
        ASSERT_NE(thread, nullptr);
        ResumeThread(thread);
        // Bounded only so that a fault nobody handles cannot hold the test up.
        ASSERT_EQ(WaitForSingleObject(thread, 60000), WAIT_OBJECT_0);
        DWORD exitCode = 0;
        GetExitCodeThread(thread, &exitCode);
        CloseHandle(thread);
        EXPECT_EQ(exitCode, kThreadRecovered);
        EXPECT_EQ(g_seen.code, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
        EXPECT_EQ(g_seen.kind, access.write ? kWrite : kRead);
        EXPECT_EQ(g_seen.address, reinterpret_cast<ULONG_PTR>(access.target));
    }
    RemoveVectoredExceptionHandler(handler);
}

// The system's own probes catch the violation they provoke instead of ending the program.
TEST(AccessViolation, GuardedProbesOfMemoryAnswerInsteadOfFaulting)
{
    ReservedPage reserved;
    void* readOnly = VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_READONLY);
    ASSERT_NE(reserved.base, nullptr);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_TRUE(IsBadReadPtr(reserved.base, 4));
    EXPECT_TRUE(IsBadWritePtr(reserved.base, 4));
    EXPECT_FALSE(IsBadReadPtr(readOnly, 4));
    EXPECT_TRUE(IsBadWritePtr(readOnly, 4));
    VirtualFree(readOnly, 0, MEM_RELEASE);
}

TEST(AccessViolation, AnUnhandledOneEndsTheProgramWithItsCode)
{
    std::string program = ProgramFile("unhandled_fault.exe");
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    ASSERT_TRUE(
        CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << program;
    // A debugger started for the crash would keep the program alive: it must end on its own.
    DWORD waited = WaitForSingleObject(process.hProcess, 60000);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(waited, WAIT_OBJECT_0);
    EXPECT_EQ(exitCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
}
