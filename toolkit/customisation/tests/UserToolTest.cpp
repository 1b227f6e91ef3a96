// One user tool: its icon (found on the search path, the shared default otherwise), drawing and
// copying it, and running its command through the shell.
#include "UserToolsTestSupport.h"

#include "foundation/WTKGlobalData.h"

#include "Canvas.h"
#include "Files.h"

#include "win/ShellLauncher.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <thread>

namespace {

// The colours of the default icon (drawn by the build's icon script).
constexpr COLORREF kIconHead = RGB(64, 64, 64);
constexpr COLORREF kIconHandle = RGB(128, 64, 0);
// Points of the 16 x 16 icon inside its own square.
constexpr POINT kHeadPoint = {3, 3};
constexpr POINT kHandlePoint = {7, 10};

bool ProcessRuns(const char* pszExe)
{
    HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    bool bFound = false;
    for (BOOL bMore = ::Process32First(hSnapshot, &entry); bMore && !bFound; bMore = ::Process32Next(hSnapshot, &entry))
        bFound = ::lstrcmpiA(entry.szExeFile, pszExe) == 0;
    ::CloseHandle(hSnapshot);
    return bFound;
}

std::string TempFolder()
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    return szTemp;
}

TEST(UserToolTest, IconIsTheCommandsWhenTheShellFindsItElseTheDefault)
{
    struct Case {
        const char* pszCommand;
        bool bOwnIcon;
    };
    const Case cases[] = {
        {"cmd.exe", true},                 // a bare name: found on the search path
        {"C:cmd.exe", false},              // a drive colon: taken as it is, relative to drive C
        {"no_such_tool_8c1f.exe", false},  // found nowhere
        {"", false},
    };
    const HICON hDefault = CWTKUserTool::GetDefaultIcon();
    ASSERT_NE(hDefault, nullptr) << "resource 16931 at the small icon size";
    for (const Case& c : cases) {
        CWTKUserTool tool;
        tool.SetCommand(c.pszCommand);
        EXPECT_EQ(tool.GetIcon() != hDefault, c.bOwnIcon) << c.pszCommand;
        EXPECT_NE(tool.GetIcon(), nullptr) << c.pszCommand;
    }
    // Tools that used the shared icon have gone: it is still there to draw.
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hDefault, &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
}

TEST(UserToolTest, TheSameCommandKeepsTheIconAnotherOneReloadsIt)
{
    CWTKUserTool tool;
    tool.SetCommand("cmd.exe");
    const HICON hOwn = tool.GetOwnIcon();
    ASSERT_NE(hOwn, nullptr);
    tool.SetCommand("cmd.exe");
    EXPECT_EQ(tool.GetOwnIcon(), hOwn) << "no reload for the same command";
    tool.SetCommand("no_such_tool_8c1f.exe");
    EXPECT_EQ(tool.GetIcon(), CWTKUserTool::GetDefaultIcon());
    EXPECT_EQ(tool.GetCommand(), CString("no_such_tool_8c1f.exe"));
}

TEST(UserToolTest, AToolWithoutCommandDrawsTheDefaultIconCentred)
{
    CWTKUserTool tool;
    Canvas canvas(32, 32);
    tool.DrawToolIcon(canvas.DC(), CRect(0, 0, 32, 32));
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    const int cy = ::GetSystemMetrics(SM_CYSMICON);
    ASSERT_EQ(cx, 16) << "the icon's points below assume the small icon size";
    const int x = (32 - cx) / 2;
    const int y = (32 - cy) / 2;
    EXPECT_EQ(canvas.Pixel(x + kHeadPoint.x, y + kHeadPoint.y), kIconHead);
    EXPECT_EQ(canvas.Pixel(x + kHandlePoint.x, y + kHandlePoint.y), kIconHandle);
    EXPECT_EQ(canvas.Pixel(x, y + cy - 1), kWhite) << "the icon's transparent corner";
    EXPECT_EQ(canvas.BoundsOfOther(kWhite), CRect(x + 2, y + 2, x + 14, y + 15));

    // A rectangle smaller than the icon puts it at the rectangle's corner.
    canvas.Fill(kWhite);
    tool.DrawToolIcon(canvas.DC(), CRect(4, 4, 10, 10));
    EXPECT_EQ(canvas.Pixel(4 + kHeadPoint.x, 4 + kHeadPoint.y), kIconHead);
}

TEST(UserToolTest, RunPassesCommandArgumentsAndFolderToTheShellAndTakesOnlyResultsAbove32)
{
    static std::vector<std::string> s_calls;
    static INT_PTR s_nResult = 0;
    const FwShellExecuteFn pfnOld = FwSetShellLauncher(
        [](HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory, int nShow) {
            s_calls.push_back(std::string(lpOperation ? lpOperation : "<default>") + "|" + lpFile + "|" +
                              (lpParameters ? lpParameters : "<null>") + "|" + (lpDirectory ? lpDirectory : "<null>") +
                              "|" + std::to_string(nShow));
            return reinterpret_cast<HINSTANCE>(s_nResult);
        });
    CWTKUserTool tool;
    s_nResult = 33;
    EXPECT_FALSE(tool.Run()) << "an empty command starts nothing";
    EXPECT_TRUE(s_calls.empty());

    tool.SetCommand("notes.txt");
    tool.m_strArguments = "/p";
    const struct {
        INT_PTR nResult;
        BOOL bRan;
    } results[] = {{33, TRUE}, {32, FALSE}, {2, FALSE}};
    for (const auto& r : results) {
        s_nResult = r.nResult;
        EXPECT_EQ(tool.Run(), r.bRan) << r.nResult;
    }
    ASSERT_EQ(s_calls.size(), 3u);
    EXPECT_EQ(s_calls[0], "<default>|notes.txt|/p||1") << "the empty folder goes as an empty string";
    FwSetShellLauncher(pfnOld);
}

TEST(UserToolTest, RunStartsTheCommandInItsInitialDirectory)
{
    const std::string strFolder = TempFolder();
    const std::string strMarker = strFolder + "wtk_tool_marker.txt";
    ::DeleteFileA(strMarker.c_str());
    CWTKUserTool tool;
    tool.SetCommand("cmd.exe");
    tool.m_strArguments = "/c echo ran>wtk_tool_marker.txt";
    tool.m_strInitialDirectory = strFolder.c_str();
    ASSERT_TRUE(tool.Run());
    // The process runs on its own: wait for its file (bounded, no timing is measured).
    for (int i = 0; i < 300 && !FileExists(strMarker); i++)
        ::Sleep(100);
    EXPECT_TRUE(FileExists(strMarker));
    // Its end moves the activation: it must not reach the next test's popups, which close
    // themselves when the program is deactivated.
    for (int i = 0; i < 300 && ProcessRuns("cmd.exe"); i++)
        ::Sleep(100);
    ::DeleteFileA(strMarker.c_str());
}

// The clipboard's bitmap drawn onto a canvas.
bool ClipboardBitmapTo(Canvas& canvas, CSize& sizeBitmap)
{
    if (!::OpenClipboard(nullptr))
        return false;
    HBITMAP hBitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    BITMAP bm = {};
    bool bRead = hBitmap != nullptr && ::GetObjectA(hBitmap, sizeof(bm), &bm) != 0;
    if (bRead) {
        sizeBitmap = CSize(bm.bmWidth, bm.bmHeight);
        HDC hMem = ::CreateCompatibleDC(canvas.Handle());
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        bRead = hOld != nullptr && ::BitBlt(canvas.Handle(), 0, 0, bm.bmWidth, bm.bmHeight, hMem, 0, 0, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
    }
    ::CloseClipboard();
    return bRead;
}

TEST(UserToolTest, IconGoesToTheClipboardOnAButtonFaceSquare)
{
    CMessageBoxScript boxes;
    CWTKUserTool tool;  // no command: the default icon is copied
    ASSERT_TRUE(tool.CopyIconToClipboard());
    EXPECT_TRUE(CMessageBoxScript::s_texts.empty());

    Canvas canvas(16, 16);
    CSize sizeBitmap;
    ASSERT_TRUE(ClipboardBitmapTo(canvas, sizeBitmap));
    EXPECT_EQ(sizeBitmap, CSize(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)));
    EXPECT_EQ(canvas.Pixel(kHandlePoint.x, kHandlePoint.y), kIconHandle);
    EXPECT_EQ(canvas.Pixel(0, 15), WTKGetGlobalData().clrBtnFace);
}

TEST(UserToolTest, ACopyTheClipboardRefusesIsReportedAndFails)
{
    // Another thread holds the clipboard open until told to let go.
    HANDLE hOpened = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE hRelease = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        const BOOL bOpen = ::OpenClipboard(hWnd);
        ::SetEvent(hOpened);
        ::WaitForSingleObject(hRelease, INFINITE);
        if (bOpen)
            ::CloseClipboard();
        ::DestroyWindow(hWnd);
    });
    ::WaitForSingleObject(hOpened, INFINITE);

    CMessageBoxScript boxes;
    CWTKUserTool tool;
    EXPECT_FALSE(tool.CopyIconToClipboard());
    ASSERT_EQ(CMessageBoxScript::s_texts.size(), 1u);
    EXPECT_EQ(CMessageBoxScript::s_texts[0], "Can't copy bitmap image into the clipboard!");

    ::SetEvent(hRelease);
    holder.join();
    ::CloseHandle(hOpened);
    ::CloseHandle(hRelease);
}

}  // namespace
