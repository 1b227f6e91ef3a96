// LoadDialog from the real TolvekDravel.dll: the modal dialog scripted from inside its own
// message loop by a thread timer, as a user would work it, step by step.
#include "BarcodeSettings.h"
#include "InsertBarcodeData.h"
#include "Resource.h"
#include "SettingsFile.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Step = std::function<void(HWND dialog)>;
using LoadDialogFn = int(WINAPI*)(InsertBarcodeData*);

// The steps run one per timer tick; a tick comes only when the posted messages of the step
// before have all been handled.
class Script
{
public:
    explicit Script(std::vector<Step> steps) : m_steps(std::move(steps))
    {
        s_current = this;
        m_timer = ::SetTimer(nullptr, 0, 20, &Script::OnTick);
    }
    ~Script()
    {
        ::KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    size_t StepsRun() const { return m_next; }

private:
    static BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lParam)
    {
        char caption[64] = {};
        ::GetWindowTextA(hwnd, caption, sizeof caption);
        if (std::strcmp(caption, "Tolvek Vantrix Helper") == 0 && ::IsWindowVisible(hwnd)) {
            *reinterpret_cast<HWND*>(lParam) = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        Script* self = s_current;
        if (self == nullptr)
            return;
        HWND dialog = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &Script::FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog == nullptr)
            return;
        if (self->m_next < self->m_steps.size()) {
            self->m_steps[self->m_next++](dialog);
        } else if (++self->m_idleTicks > 100) {
            // A script that did not end the dialog must not hang the test.
            ::PostMessageA(dialog, WM_CLOSE, 0, 0);
        }
    }

    static inline Script* s_current = nullptr;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_idleTicks = 0;
    UINT_PTR m_timer = 0;
};

Step Type(const char* text)
{
    return [text](HWND dialog) {
        HWND edit = ::GetDlgItem(dialog, IDC_DATA_EDIT);
        for (const char* p = text; *p != '\0'; ++p)
            ::PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
    };
}

Step Click(int id)
{
    return [id](HWND dialog) {
        HWND control = ::GetDlgItem(dialog, id);
        const LONG style = ::GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        if (style == BS_AUTOCHECKBOX)
            ::CheckDlgButton(dialog, id, ::IsDlgButtonChecked(dialog, id) ? BST_UNCHECKED : BST_CHECKED);
        else if (style == BS_AUTORADIOBUTTON)
            ::SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    };
}

Step Select(int id, int index)
{
    return [id, index](HWND dialog) {
        HWND combo = ::GetDlgItem(dialog, id);
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    };
}

Step CloseBox()
{
    return [](HWND dialog) { ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); };
}

Step Check(std::function<void(HWND)> check)
{
    return check;
}

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

class LoadDialogTest : public ::testing::Test
{
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
        Script script(std::move(steps));
        return loadDialog(record);
    }

    TestFolder folder;
    HMODULE module = nullptr;
    LoadDialogFn loadDialog = nullptr;
};

}  // namespace

TEST_F(LoadDialogTest, InsertFillsTheRecordExactlyAndLeavesTheSettingsFile)
{
    BarcodeSettings stored{};
    CSettingsFile::SetDefaults(stored);
    stored.colour = RGB(1, 2, 3);
    ASSERT_TRUE(CSettingsFile(SettingsPath().c_str()).Save(stored));
    const std::vector<char> before = folder.Read("tolvekvantrix.dat");

    InsertBarcodeData record;
    std::memset(&record, 0, sizeof record);
    const int result = Run(&record, {
        Type("Ab1"),
        Click(IDC_HUMAN_READABLE),       // options changed but never saved
        Click(IDC_START_STOP_FIRST + 2),
        Select(IDC_POINT_SIZE, 7),       // "10.5"
        Click(IDC_INSERT_BARCODE),       // encodes first: the preview is empty
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
    const int result = Run(&record, {
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

    BarcodeSettings saved{};
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
    InsertBarcodeData record{};
    EXPECT_EQ(Run(&record, {Click(IDC_FULL_ASCII), Click(IDC_SIZE_XS), Select(IDC_POINT_SIZE, 0), CloseBox()}), 2);

    std::string face, points, fullAscii;
    RECT window{};
    EXPECT_EQ(Run(&record, {
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
    InsertBarcodeData record{};
    bool stillOpen = false;
    const int result = Run(&record, {
        Click(IDC_INSERT_BARCODE),
        Check([&](HWND dialog) { stillOpen = ::IsWindowVisible(dialog) != FALSE; }),
        CloseBox(),
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 2);
    EXPECT_STREQ(record.text, "");
}

TEST_F(LoadDialogTest, NoRecordIsAFailure)
{
    EXPECT_EQ(loadDialog(nullptr), -1);
}
