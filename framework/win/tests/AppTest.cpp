// The application object in a program and in a DLL: module state, life cycle,
// resources of the right module, the message box seam.
#include "WinTestSupport.h"
#include "dll/TestDll.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string g_exitEvents;

void CALLBACK OnDllEvent(LPCSTR lpszEvent)
{
    g_exitEvents += lpszEvent;
}

TEST(AppTest, ProgramModuleState)
{
    EXPECT_EQ(&theApp, FwGetApp());
    EXPECT_EQ(&theApp, FwGetThread());
    EXPECT_EQ(::GetModuleHandleA(nullptr), FwGetInstanceHandle());
    EXPECT_STREQ("FwWinTests", FwGetAppName());
    CString str;
    EXPECT_TRUE(str.LoadString(IDS_TEST_STRING));
    EXPECT_STREQ("from the program", str);
}

TEST(AppTest, DllApplicationLivesFromLoadToUnload)
{
    g_exitEvents.clear();
    HMODULE hDll = ::LoadLibraryA("fw_win_test_dll.dll");
    ASSERT_TRUE(hDll);
    auto pfnEvents = (GetDllEventsFn)(void*)::GetProcAddress(hDll, "GetDllEvents");
    auto pfnSetExit = (SetDllExitCallbackFn)(void*)::GetProcAddress(hDll, "SetDllExitCallback");
    auto pfnLoadString = (LoadDllStringFn)(void*)::GetProcAddress(hDll, "LoadDllString");
    ASSERT_TRUE(pfnEvents && pfnSetExit && pfnLoadString);

    char szEvents[256] = "";
    pfnEvents(szEvents, sizeof(szEvents));
    EXPECT_STREQ("construct|init", szEvents);

    char szString[64] = "";
    EXPECT_TRUE(pfnLoadString(IDS_TEST_STRING, szString, sizeof(szString)));
    EXPECT_STREQ("from the DLL", szString);
    // The program's module state is untouched by the DLL's.
    EXPECT_EQ(&theApp, FwGetApp());

    pfnSetExit(&OnDllEvent);
    EXPECT_EQ("", g_exitEvents);
    ::FreeLibrary(hDll);
    EXPECT_EQ("exit", g_exitEvents);
}

TEST(AppTest, MessageBoxesGoThroughTheApplication)
{
    theApp.m_messageBoxes.clear();
    theApp.m_nMessageBoxAnswer = IDNO;
    EXPECT_EQ(IDNO, FwMessageBox("Sure?", MB_YESNO));
    EXPECT_EQ(IDNO, FwMessageBox(IDS_TEST_STRING, MB_YESNO));
    ASSERT_EQ(2u, theApp.m_messageBoxes.size());
    EXPECT_EQ("Sure?", theApp.m_messageBoxes[0]);
    EXPECT_EQ("from the program", theApp.m_messageBoxes[1]);
    theApp.m_nMessageBoxAnswer = IDOK;
}

}

namespace {

TEST(AppTest, ProgramRunsUntilItsMainWindowCloses)
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strFolder = szPath;
    strFolder = strFolder.substr(0, strFolder.rfind('\\') + 1);
    std::string strCommand = "\"" + strFolder + "fw_win_test_program.exe\" 37";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(::CreateProcessA(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, 30000));
    DWORD dwExitCode = 0;
    ::GetExitCodeProcess(pi.hProcess, &dwExitCode);
    EXPECT_EQ(37u, dwExitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

}
