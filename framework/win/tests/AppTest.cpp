// The application object in a program and in a DLL: module state, life cycle,
// resources of the right module, the message box seam.
#include "WinTestSupport.h"
#include "dll/TestDll.h"
#include "gdi/GdiObject.h"
#include "gdi/ImageList.h"
#include "win/Menu.h"
#include "win/Resources.h"
#include "MenuTestRes.h"
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

}  // namespace

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

}  // namespace

namespace {

TEST(ResourcesTest, ResourcesComeFromTheSelectedModule)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    EXPECT_EQ(1, ::GetMenuItemCount(menu.m_hMenu));
    menu.DestroyMenu();
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

// What a loader found, in a form that tells the program's resource from the DLL's.
std::string LoadedString(UINT nID)
{
    CString str;
    return str.LoadString(nID) ? std::string(str) : "<none>";
}

std::string LoadedBitmapWidth(UINT nID)
{
    CBitmap bitmap;
    BITMAP info = {};
    if (!bitmap.LoadBitmap(nID) || !bitmap.GetBitmap(&info))
        return "<none>";
    return std::to_string(info.bmWidth);
}

std::string LoadedImageCount(UINT nID)
{
    CImageList images;
    return images.Create(nID, 2, 0, CLR_NONE) ? std::to_string(images.GetImageCount()) : "<none>";
}

std::string LoadedMenuItems(UINT nID)
{
    CMenu menu;
    if (!menu.LoadMenu(nID))
        return "<none>";
    char szFirst[32] = "";
    ::GetMenuStringA(menu.m_hMenu, 0, szFirst, sizeof(szFirst), MF_BYPOSITION);
    return std::to_string(::GetMenuItemCount(menu.m_hMenu)) + ":" + szFirst;
}

TEST(ResourcesTest, EveryLoaderTriesTheResourceModuleThenTheProgram)
{
    struct Row {
        const char* what;
        std::string (*load)(UINT nID);
        UINT nID;
        const char* expectedWithDll;  // the DLL is the resource module
        const char* expectedAlone;    // the program is
    } rows[] = {
        {"string in both", &LoadedString, IDS_TEST_STRING, "from the DLL", "from the program"},
        {"string only in the program", &LoadedString, IDS_PROGRAM_ONLY_STRING, "only in the program",
         "only in the program"},
        {"bitmap in both", &LoadedBitmapWidth, IDB_TEST_BITMAP, "8", "4"},
        {"bitmap only in the program", &LoadedBitmapWidth, IDB_PROGRAM_ONLY_BITMAP, "6", "6"},
        {"image list in both", &LoadedImageCount, IDB_TEST_BITMAP, "4", "2"},
        {"image list only in the program", &LoadedImageCount, IDB_PROGRAM_ONLY_BITMAP, "3", "3"},
        {"menu in both", &LoadedMenuItems, IDR_TEST_MENU, "2:&Dll", "1:&File"},
        {"menu only in the program", &LoadedMenuItems, IDR_TEST_FILE_MENU, "1:&File", "1:&File"},
    };
    HMODULE hDll = ::LoadLibraryA("fw_win_test_dll.dll");
    ASSERT_TRUE(hDll);
    FwSetResourceHandle(hDll);
    for (const Row& row : rows)
        EXPECT_EQ(row.expectedWithDll, row.load(row.nID)) << row.what << " (DLL selected)";
    FwSetResourceHandle(nullptr);
    for (const Row& row : rows)
        EXPECT_EQ(row.expectedAlone, row.load(row.nID)) << row.what << " (program alone)";
    ::FreeLibrary(hDll);
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
    EXPECT_EQ((std::vector<std::string> {"Caption:Text", "FwWinTests:No caption"}), g_shownBoxes);
    wnd.DestroyWindow();
}

}  // namespace
