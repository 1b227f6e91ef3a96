// The application object in a program and in a DLL: module state, life cycle,
// resources of the right module, the message box seam.
#include "WinTestSupport.h"
#include "dll/TestDll.h"
#include "win/Resources.h"
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

namespace {

TEST(ResourcesTest, ResourcesComeFromTheSelectedModule)
{
    HMENU hMenu = FwLoadMenu(IDR_TEST_MENU);
    ASSERT_TRUE(hMenu);
    EXPECT_EQ(1, ::GetMenuItemCount(hMenu));
    ::DestroyMenu(hMenu);
    EXPECT_TRUE(FwLoadAccelerators(IDR_TEST_ACCEL));
    EXPECT_EQ(nullptr, FwLoadDialogTemplate(MAKEINTRESOURCEA(IDD_DLL_TEST)));

    // With the DLL as resource module, its strings and templates come first,
    // and what it lacks still comes from the program.
    HMODULE hDll = ::LoadLibraryA("fw_win_test_dll.dll");
    ASSERT_TRUE(hDll);
    FwSetResourceHandle(hDll);
    CString str;
    str.LoadString(IDS_TEST_STRING);
    EXPECT_STREQ("from the DLL", str);
    HINSTANCE hFound = nullptr;
    EXPECT_TRUE(FwLoadDialogTemplate(MAKEINTRESOURCEA(IDD_DLL_TEST), &hFound));
    EXPECT_EQ(hDll, hFound);
    EXPECT_TRUE(FwLoadDialogTemplate(MAKEINTRESOURCEA(IDD_TEST), &hFound));
    EXPECT_EQ(::GetModuleHandleA(nullptr), hFound);
    FwSetResourceHandle(nullptr);
    ::FreeLibrary(hDll);
    str.LoadString(IDS_TEST_STRING);
    EXPECT_STREQ("from the program", str);
}

std::vector<std::string> g_shownBoxes;

int RecordingMessageBox(HWND, LPCSTR lpszText, LPCSTR lpszCaption, UINT)
{
    g_shownBoxes.push_back(std::string(lpszCaption ? lpszCaption : "") + ":" + lpszText);
    return IDRETRY;
}

TEST(AppTest, WindowMessageBoxesGoThroughTheReplaceableFunction)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Box owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    FwMessageBoxFn pfnOld = FwSetMessageBoxFunction(&RecordingMessageBox);
    EXPECT_EQ(IDRETRY, wnd.MessageBox("Text", "Caption", MB_RETRYCANCEL));
    EXPECT_EQ(IDRETRY, wnd.MessageBox("No caption"));
    FwSetMessageBoxFunction(pfnOld);
    EXPECT_EQ((std::vector<std::string>{ "Caption:Text", "FwWinTests:No caption" }), g_shownBoxes);
    wnd.DestroyWindow();
}

}
