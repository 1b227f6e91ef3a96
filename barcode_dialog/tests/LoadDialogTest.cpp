// LoadDialog from the real TolvekDravel.dll: the modal dialog scripted from inside its own
// message loop, as a user would work it, step by step.
#include "BarcodeSettings.h"
#include "HostWindow.h"
#include "InsertBarcodeData.h"
#include "ModalScript.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include "core/Point.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using LoadDialogFn = int(WINAPI*)(InsertBarcodeData*);

std::string ExeFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string Text(HWND dialog, int id)
{
    char text[256] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Records the windows that receive WM_HELP on this thread, whichever module sends it.
class HelpRequestSpy {
public:
    HelpRequestSpy()
    {
        s_current = this;
        m_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &HelpRequestSpy::OnCall, nullptr, ::GetCurrentThreadId());
    }
    ~HelpRequestSpy()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }
    HelpRequestSpy(const HelpRequestSpy&) = delete;
    HelpRequestSpy& operator=(const HelpRequestSpy&) = delete;

    bool Reached(HWND window) const
    {
        for (HWND receiver : receivers)
            if (receiver == window)
                return true;
        return false;
    }

    std::vector<HWND> receivers;

private:
    static LRESULT CALLBACK OnCall(int code, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_HELP && s_current != nullptr)
            s_current->receivers.push_back(call->hwnd);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline HelpRequestSpy* s_current = nullptr;
    HHOOK m_hook = nullptr;
};

// F1 pressed on the keyboard, through the system's input queue.
void PressF1()
{
    ::keybd_event(VK_F1, 0, 0, 0);
    ::keybd_event(VK_F1, 0, KEYEVENTF_KEYUP, 0);
}

CPoint CentreOf(const RECT& rect)
{
    return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

class LoadDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A private copy of the module: its settings file lies beside it, in the test's folder.
        const std::string copy = folder.File("TolvekDravel.dll");
        ASSERT_TRUE(::CopyFileA((ExeFolder() + "TolvekDravel.dll").c_str(), copy.c_str(), FALSE));
        module = ::LoadLibraryA(copy.c_str());
        ASSERT_NE(module, nullptr);
        loadDialog = reinterpret_cast<LoadDialogFn>(reinterpret_cast<void*>(::GetProcAddress(module, "LoadDialog")));
        ASSERT_NE(loadDialog, nullptr);
    }
    void TearDown() override
    {
        if (module != nullptr)
            ::FreeLibrary(module);
    }

    std::string SettingsPath() const { return folder.File("tolvekvantrix.dat"); }

    int Run(InsertBarcodeData* record, std::vector<Step> steps)
    {
        ModalScript script(std::move(steps));
        return loadDialog(record);
    }

    TestFolder folder;
    HMODULE module = nullptr;
    LoadDialogFn loadDialog = nullptr;
};

TEST_F(LoadDialogTest, InsertFillsTheRecordExactlyAndLeavesTheSettingsFile)
{
    BarcodeSettings stored {};
    CSettingsFile::SetDefaults(stored);
    stored.colour = RGB(1, 2, 3);
    ASSERT_TRUE(CSettingsFile(SettingsPath().c_str()).Save(stored));
    const std::vector<char> before = folder.Read("tolvekvantrix.dat");

    InsertBarcodeData record;
    std::memset(&record, 0, sizeof record);
    const int result = Run(&record,
                           {
                               Type("Ab1"),
                               Click(IDC_HUMAN_READABLE),  // options changed but never saved
                               Click(IDC_START_STOP_FIRST + 2), Select(IDC_POINT_SIZE, 7),  // "10.5"
                               Click(IDC_INSERT_BARCODE),  // encodes first: the preview is empty
                           });
    EXPECT_EQ(result, 1);
    // A=10 +=41 B=11 1=1: 63 mod 43 = 20 "K".
    EXPECT_STREQ(record.text, "[A+B1K]");
    EXPECT_STREQ(record.font, "TolvekVantrixM");
    EXPECT_EQ(record.size, 10);
    EXPECT_EQ(record.colour, static_cast<uint32_t>(RGB(1, 2, 3)));
    // Nothing past the strings' zeros.
    for (size_t i = std::strlen(record.text); i < sizeof record.text; ++i)
        EXPECT_EQ(record.text[i], 0) << i;
    for (size_t i = std::strlen(record.font); i < sizeof record.font; ++i)
        EXPECT_EQ(record.font[i], 0) << i;
    EXPECT_EQ(folder.Read("tolvekvantrix.dat"), before);
}

TEST_F(LoadDialogTest, CloseBoxSavesTheOptionsAndLeavesTheRecord)
{
    InsertBarcodeData record;
    std::memset(&record, 0xA5, sizeof record);
    const int result = Run(&record,
                           {
                               Type("x"),
                               Click(IDC_HUMAN_READABLE),
                               Click(IDC_START_STOP_FIRST),
                               Click(IDC_SIZE_XL),
                               Select(IDC_POINT_SIZE, 13),
                               Select(IDC_CHAR_VIEW, 2),
                               Click(IDC_ENCODE_COPY),
                               CloseBox(),
                           });
    EXPECT_EQ(result, 2);
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        ASSERT_EQ(bytes[i], 0xA5) << i;

    BarcodeSettings saved {};
    CSettingsFile(SettingsPath().c_str()).Load(saved);
    EXPECT_EQ(saved.humanReadable, 0);
    EXPECT_EQ(saved.startStopIndex, 0);
    EXPECT_EQ(saved.sizeIndex, 4);
    EXPECT_EQ(saved.pointSizeIndex, 13);
    EXPECT_EQ(saved.viewIndex, 2);
    EXPECT_EQ(folder.Read("tolvekvantrix.dat").size(), 56u);
}

TEST_F(LoadDialogTest, SecondCallSeesTheOptionsOfTheFirstClose)
{
    InsertBarcodeData record {};
    EXPECT_EQ(Run(&record, {Click(IDC_FULL_ASCII), Click(IDC_SIZE_XS), Select(IDC_POINT_SIZE, 0), CloseBox()}), 2);

    std::string face, points, fullAscii;
    RECT window {};
    EXPECT_EQ(Run(&record,
                  {
                      Check([&](HWND dialog) {
                          face = Text(dialog, IDC_FONT_COMBO);
                          points = Text(dialog, IDC_POINT_SIZE);
                          fullAscii = ::IsDlgButtonChecked(dialog, IDC_FULL_ASCII) ? "on" : "off";
                          ::GetWindowRect(dialog, &window);
                      }),
                      CloseBox(),
                  }),
              2);
    EXPECT_EQ(face, "TolvekVantrixXST");
    EXPECT_EQ(points, "5");
    EXPECT_EQ(fullAscii, "off");
    EXPECT_EQ(window.right - window.left, 490);
}

TEST_F(LoadDialogTest, InsertWithoutDataStaysOpen)
{
    InsertBarcodeData record {};
    bool stillOpen = false;
    const int result = Run(&record,
                           {
                               Click(IDC_INSERT_BARCODE),
                               Check([&](HWND dialog) { stillOpen = ::IsWindowVisible(dialog) != FALSE; }),
                               CloseBox(),
                           });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 2);
    EXPECT_STREQ(record.text, "");
}

// A macro host: its main window is visible and active when the macro opens the dialog.
TEST_F(LoadDialogTest, HostWindowStaysEnabledAndHearsNoHelpRequest)
{
    HostWindow host;
    ::ShowWindow(host.Handle(), SW_SHOW);
    ::SetForegroundWindow(host.Handle());
    ASSERT_EQ(::GetActiveWindow(), host.Handle());

    HelpRequestSpy spy;
    HWND owner = host.Handle();
    bool hostEnabled = false;
    HWND dialogWindow = nullptr;
    InsertBarcodeData record {};
    const int result = Run(&record,
                           {
                               Check([&](HWND dialog) {
                                   dialogWindow = dialog;
                                   owner = ::GetWindow(dialog, GW_OWNER);
                                   hostEnabled = ::IsWindowEnabled(host.Handle()) != FALSE;
                                   ::SetForegroundWindow(dialog);
                                   PressF1();
                               }),
                               // The dialog hears the request itself; nothing passes it on to an owner.
                               WaitUntil([&] { return spy.Reached(dialogWindow); }),
                               CloseBox(),
                           });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(owner, nullptr);
    EXPECT_TRUE(hostEnabled);
    EXPECT_TRUE(spy.Reached(dialogWindow)) << "F1 did not reach the dialog";
    EXPECT_FALSE(spy.Reached(host.Handle()));
    EXPECT_TRUE(::IsWindowEnabled(host.Handle()));
}

TEST_F(LoadDialogTest, OpensCentredOnTheScreenInEitherLayout)
{
    RECT workArea {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    for (const int32_t fullAscii : {1, 0}) {
        BarcodeSettings settings {};
        CSettingsFile::SetDefaults(settings);
        settings.fullAscii = fullAscii;
        ASSERT_TRUE(CSettingsFile(SettingsPath().c_str()).Save(settings));
        RECT window {};
        InsertBarcodeData record {};
        Run(&record, {Check([&](HWND dialog) { ::GetWindowRect(dialog, &window); }), CloseBox()});
        EXPECT_NEAR(CentreOf(window).x, CentreOf(workArea).x, 3) << "Full ASCII " << fullAscii;
        EXPECT_NEAR(CentreOf(window).y, CentreOf(workArea).y, 3) << "Full ASCII " << fullAscii;
    }
}

TEST_F(LoadDialogTest, NoRecordIsAFailure)
{
    EXPECT_EQ(loadDialog(nullptr), -1);
}

}  // namespace
