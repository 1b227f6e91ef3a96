// The barcode dialog on its real template: keystroke filter, encoding, layout, flashing,
// control-character buttons, preview font and the swatch colour.
#include "Canvas.h"
#include "DialogFixture.h"
#include "ModalScript.h"
#include "ModulePathSeam.h"
#include "TestFolder.h"

#include <string>

namespace {

BarcodeSettings Options(bool fullAscii, bool checkCharacter, int startStop = 4)
{
    BarcodeSettings settings {};
    CSettingsFile::SetDefaults(settings);
    settings.fullAscii = fullAscii;
    settings.checkCharacter = checkCharacter;
    settings.startStopIndex = startStop;
    return settings;
}

const char kError[] = "Error: Invalid characters were found!";

}  // namespace

using BarcodeDlgTest = DialogFixture;

TEST_F(BarcodeDlgTest, KeystrokeFilterTable)
{
    struct Row {
        bool fullAscii;
        const char* typed;
        const char* expected;
        int flashed;  // 0: no flash
    } rows[] = {
        {false, "abc XYZ 09", "ABC XYZ 09", 0},
        {false, "$%+-./_", "$%+-./_", 0},
        {false, "a!b@c#d*e:f", "ABCDEF", 0},
        {false, "\x03\x16\x18<>", "", 0},  // Ctrl+C, Ctrl+V, Ctrl+X and the token brackets
        {false, "AB\bC", "AC", 0},         // backspace passes
        {true, "aB 1!~", "aB 1!~", 0},
        // The next keystroke would stop the flash: the brackets come last.
        {true, "a<b<", "ab", IDC_CHAR_BUTTON_LT},
        {true, "a>b>", "ab", IDC_CHAR_BUTTON_GT},
    };
    for (const Row& row : rows) {
        Open(Options(row.fullAscii, false));
        Type(row.typed);
        EXPECT_EQ(Data(), CString(row.expected)) << row.typed;
        if (row.flashed != 0) {
            EXPECT_TRUE(FlashesOn(row.flashed)) << row.typed;
        }
        dialog.DestroyWindow();
    }
}

TEST_F(BarcodeDlgTest, EncodeTable)
{
    struct Row {
        bool fullAscii;
        bool checkCharacter;
        int startStop;
        const char* data;  // pasted: not filtered
        const char* encoded;
        const char* dataAfter;
    } rows[] = {
        // A=10 B=11 space=38 C=12: 71 mod 43 = 28 "S".
        {false, true, 4, "ab c", "(AB_CS)", "AB C"},
        {false, false, 4, "ab c", "(AB_C)", "AB C"},
        {false, false, 2, "X-1", "[X-1]", "X-1"},
        {false, true, 0, "9", "*99*", "9"},
        {false, true, 0, "45", "*459*", "45"},
        {true, false, 0, "a", "*+A*", "a"},
        {true, true, 4, "a", "(+A8)", "a"},  // + = 41, A = 10: 51 mod 43 = 8
        {true, false, 4, "<NU>x< <>", "(%U+X%G)", "<NU>x< <>"},
        {true, false, 4, " <SP>-.", "(__/M/N)", " <SP>-."},
        {true, false, 4, "<QQ>\xE9\t", "()", "<QQ>\xE9\t"},  // every key dropped
        {true, false, 5, "{x}", "{%P+X%R}", "{x}"},
    };
    for (const Row& row : rows) {
        Open(Options(row.fullAscii, row.checkCharacter, row.startStop));
        Paste(row.data);
        Command(IDC_ENCODE_COPY);
        EXPECT_EQ(Encoded(), CString(row.encoded)) << row.data;
        EXPECT_EQ(Previewed(), CString(row.encoded)) << row.data;
        EXPECT_EQ(Data(), CString(row.dataAfter)) << row.data;
        dialog.DestroyWindow();
    }
}

TEST_F(BarcodeDlgTest, InvalidDataReplacesTheEditAndKeepsTheDisplay)
{
    struct Row {
        bool fullAscii;
        const char* data;
    } rows[] = {
        {false, "ab!"},  {false, "A\bB"},  // a pasted backspace is no data
        {true, "ab<NU"}, {true, "ab>"},   {true, "<N>"},
    };
    for (const Row& row : rows) {
        Open(Options(row.fullAscii, false));
        Paste("OK");
        Command(IDC_ENCODE_COPY);
        Paste(row.data);
        Command(IDC_ENCODE_COPY);
        EXPECT_EQ(Data(), CString(kError)) << row.data;
        EXPECT_EQ(Encoded(), CString("(OK)")) << row.data;
        EXPECT_EQ(Previewed(), CString("(OK)")) << row.data;
        EXPECT_TRUE(FlashesOn(IDC_DATA_EDIT)) << row.data;
        dialog.DestroyWindow();
    }
}

TEST_F(BarcodeDlgTest, EmptyDataFlashesTheEditAndEmptiesTheDisplay)
{
    Open(Options(true, false));
    Paste("A");
    Command(IDC_ENCODE_COPY);
    Paste("");
    Command(IDC_ENCODE_COPY);
    EXPECT_TRUE(Encoded().IsEmpty());
    EXPECT_TRUE(Previewed().IsEmpty());
    EXPECT_TRUE(FlashesOn(IDC_DATA_EDIT));
}

TEST_F(BarcodeDlgTest, StandardModeOpensFlashingTheEmptyDataEdit)
{
    Open(Options(false, true));
    EXPECT_TRUE(FlashesOn(IDC_DATA_EDIT));
}

TEST_F(BarcodeDlgTest, FlashDrawsFifteenTicksThenStops)
{
    Open(Options(true, false));
    EXPECT_FALSE(dialog.GetFlash().IsFlashing());
    Command(IDC_ENCODE_COPY);  // empty data
    ASSERT_TRUE(FlashesOn(IDC_DATA_EDIT));
    for (int tick = 1; tick < 15; ++tick) {
        dialog.SendMessage(WM_TIMER, 1, 0);
        EXPECT_EQ(dialog.GetFlash().GetCount(), tick);
        EXPECT_TRUE(dialog.GetFlash().IsFlashing());
    }
    dialog.SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(dialog.GetFlash().GetCount(), 0);
    EXPECT_FALSE(dialog.GetFlash().IsFlashing());
    EXPECT_FALSE(::KillTimer(dialog.m_hWnd, 1));

    // Typing stops a flash.
    Command(IDC_ENCODE_COPY);
    ASSERT_TRUE(dialog.GetFlash().IsFlashing());
    Type("A");
    EXPECT_FALSE(dialog.GetFlash().IsFlashing());
}

TEST_F(BarcodeDlgTest, FullAsciiSwitchResizesAndStandardModeValidates)
{
    Open(Options(true, false));
    CRect window;
    dialog.GetWindowRect(&window);
    EXPECT_EQ(window.Width(), 688);
    EXPECT_EQ(window.Height(), 450);

    Paste("ab");
    Toggle(IDC_FULL_ASCII);
    dialog.GetWindowRect(&window);
    EXPECT_EQ(window.Width(), 490);
    EXPECT_EQ(Data(), CString("AB"));
    EXPECT_EQ(Encoded(), CString("(AB)"));

    Toggle(IDC_FULL_ASCII);
    dialog.GetWindowRect(&window);
    EXPECT_EQ(window.Width(), 688);
    Paste("a<LF>");
    Command(IDC_ENCODE_COPY);
    EXPECT_EQ(Encoded(), CString("(+A$J)"));

    // Data outside the standard set: emptied, display and preview cleared, edit flashing.
    Toggle(IDC_FULL_ASCII);
    EXPECT_TRUE(Data().IsEmpty());
    EXPECT_TRUE(Encoded().IsEmpty());
    EXPECT_TRUE(Previewed().IsEmpty());
    EXPECT_TRUE(FlashesOn(IDC_DATA_EDIT));
    EXPECT_FALSE(dialog.GetSettings().fullAscii);
}

TEST_F(BarcodeDlgTest, CheckCharacterToggle)
{
    Open(Options(true, false));
    Toggle(IDC_CHECK_CHARACTER);  // on with empty data: flash, no encode
    EXPECT_TRUE(FlashesOn(IDC_DATA_EDIT));
    EXPECT_TRUE(dialog.GetSettings().checkCharacter);

    Paste("A");
    Toggle(IDC_CHECK_CHARACTER);  // off: encodes
    EXPECT_EQ(Encoded(), CString("(A)"));
    Toggle(IDC_CHECK_CHARACTER);  // on with data: encodes with the check character
    EXPECT_EQ(Encoded(), CString("(AA)"));
}

TEST_F(BarcodeDlgTest, StartStopRadiosEncodeWithTheirPair)
{
    Open(Options(true, false));
    Paste("A");
    const char* expected[] = {"*A*", "|A|", "[A]", "#A#", "(A)", "{A}"};
    for (int i = 0; i < 6; ++i) {
        Radio(IDC_START_STOP_FIRST, IDC_START_STOP_LAST, IDC_START_STOP_FIRST + i);
        EXPECT_EQ(Encoded(), CString(expected[i]));
        EXPECT_EQ(dialog.GetSettings().startStopIndex, i);
    }
}

TEST_F(BarcodeDlgTest, ControlCharacterButtonsAppendTokens)
{
    Open(Options(true, false));
    struct Row {
        int id;
        const char* appended;
    } rows[] = {
        {1025, "<NU>"}, {1027, "<SX>"}, {1052, "<ES>"}, {1057, "<SP>"}, {1058, "< <>"}, {1059, "< >>"}, {1060, "<DE>"},
    };
    std::string expected = "a";
    Paste("a");
    for (const Row& row : rows) {
        Command(row.id);
        expected += row.appended;
        EXPECT_EQ(Data(), CString(expected.c_str())) << row.appended;
    }
    Command(IDC_ENCODE_COPY);
    EXPECT_EQ(Encoded(), CString("(+A%U$B%A_%G%I%T)"));
}

TEST_F(BarcodeDlgTest, CharacterViewRelabelsTheButtons)
{
    Open(Options(true, false));
    EXPECT_EQ(Label(1025), CString("NU"));
    EXPECT_EQ(Label(1052), CString("ESC"));
    Select(IDC_CHAR_VIEW, 1);
    EXPECT_EQ(Label(1025), CString("NULL"));
    EXPECT_EQ(Label(1026), CString("CTRL+A"));
    EXPECT_EQ(Label(1057), CString("SPACE"));
    Select(IDC_CHAR_VIEW, 2);
    EXPECT_EQ(Label(1025), CString("00"));
    EXPECT_EQ(Label(1057), CString("32"));
    EXPECT_EQ(Label(1060), CString("127"));
    EXPECT_EQ(dialog.GetSettings().viewIndex, 2);
    // The buttons append names whatever they show.
    Command(1026);
    EXPECT_EQ(Data(), CString("<SH>"));
}

TEST_F(BarcodeDlgTest, DataIsLimitedSoTheEncodedTextFitsTheRecord)
{
    Open(Options(true, true));
    const std::string longData(300, 'a');
    // Typed text stops at the limit; every character doubles in Full ASCII.
    Type(longData.c_str());
    const int limit = Data().GetLength();
    EXPECT_LE(limit * 2 + 3, 254);
    EXPECT_GT(limit, 100);
    Command(1025);  // no room for another token
    EXPECT_EQ(Data().GetLength(), limit);
    Command(IDC_ENCODE_COPY);
    EXPECT_LE(Encoded().GetLength(), 254);
}

TEST_F(BarcodeDlgTest, FontListSizeRadiosAndHumanReadable)
{
    Open(Options(true, false));
    char face[64] = {};
    ::GetWindowTextA(Item(IDC_FONT_COMBO), face, sizeof face);
    EXPECT_STREQ(face, "TolvekVantrixMT");
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_SIZE_M), static_cast<UINT>(BST_CHECKED));

    Radio(IDC_SIZE_XS, IDC_SIZE_XL, IDC_SIZE_XL);
    ::GetWindowTextA(Item(IDC_FONT_COMBO), face, sizeof face);
    EXPECT_STREQ(face, "TolvekVantrixXLT");

    Toggle(IDC_HUMAN_READABLE);
    ::GetWindowTextA(Item(IDC_FONT_COMBO), face, sizeof face);
    EXPECT_STREQ(face, "TolvekVantrixXL");

    Select(IDC_FONT_COMBO, 0);
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_SIZE_XS), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_SIZE_XL), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(dialog.GetSettings().sizeIndex, 0);
}

TEST_F(BarcodeDlgTest, PreviewFontTakesTheWholePointsOfTheSelection)
{
    Open(Options(true, false));
    struct Row {
        int index;
        int points;
    } rows[] = {{7, 10}, {1, 5}, {9, 12}, {20, 72}};
    for (const Row& row : rows) {
        Select(IDC_POINT_SIZE, row.index);
        CFont expected;
        expected.CreatePointFont(row.points * 10, "TolvekVantrixMT", nullptr);
        LOGFONTA want {};
        LOGFONTA got {};
        expected.GetLogFont(&want);
        dialog.GetPreview().GetFont().GetLogFont(&got);
        EXPECT_EQ(got.lfHeight, want.lfHeight) << row.points;
        EXPECT_STREQ(got.lfFaceName, "TolvekVantrixMT");
    }
}

TEST_F(BarcodeDlgTest, CopyHintFlashesTheNextStep)
{
    Open(Options(true, false));
    Radio(IDC_SIZE_XS, IDC_SIZE_XL, IDC_SIZE_S);  // data empty
    EXPECT_TRUE(FlashesOn(IDC_DATA_EDIT));
    Paste("A");
    Select(IDC_POINT_SIZE, 3);  // display empty
    EXPECT_TRUE(FlashesOn(IDC_ENCODE_COPY));
    Command(IDC_ENCODE_COPY);
    Toggle(IDC_HUMAN_READABLE);  // something to copy
    EXPECT_TRUE(FlashesOn(IDC_COPY_CLIPBOARD));

    // Without "Copy Font Information" no hint.
    Toggle(IDC_COPY_FONT_INFO);
    EXPECT_TRUE(FlashesOn(IDC_COPY_CLIPBOARD));  // the toggle itself points at the copy
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DATA_EDIT, EN_CHANGE), reinterpret_cast<LPARAM>(Item(IDC_DATA_EDIT)));
    Radio(IDC_SIZE_XS, IDC_SIZE_XL, IDC_SIZE_L);
    EXPECT_FALSE(dialog.GetFlash().IsFlashing());
}

TEST_F(BarcodeDlgTest, EnterAndEscLeaveTheDialogOpen)
{
    Open();
    Paste("A");
    PressKey(VK_RETURN);
    Type("\r");
    PressKey(VK_ESCAPE);
    dialog.SendMessage(WM_COMMAND, IDOK, 0);
    dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
}

TEST_F(BarcodeDlgTest, SwatchBackgroundIsTheStoredColour)
{
    BarcodeSettings settings = Defaults();
    settings.colour = RGB(10, 200, 30);
    Open(settings);
    Canvas canvas(4, 4, RGB(255, 255, 255));
    dialog.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Handle()),
                       reinterpret_cast<LPARAM>(Item(IDC_COLOR_SWATCH)));
    EXPECT_EQ(::GetBkColor(canvas.Handle()), RGB(10, 200, 30));
    // The preview starts black whatever the stored colour.
    EXPECT_EQ(dialog.GetPreview().GetColor(), RGB(0, 0, 0));
    EXPECT_EQ(dialog.GetDisplay().GetColor(), RGB(255, 0, 0));
}

TEST_F(BarcodeDlgTest, FirstRunOpensWithTheDefaults)
{
    ASSERT_TRUE(dialog.Create(CBarcodeDlg::IDD, nullptr));  // no settings file
    for (int id : {IDC_HUMAN_READABLE, IDC_CHECK_CHARACTER, IDC_FULL_ASCII, IDC_COPY_FONT_INFO, 1015, IDC_SIZE_M})
        EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, id), static_cast<UINT>(BST_CHECKED)) << id;
    char text[64] = {};
    ::GetWindowTextA(Item(IDC_POINT_SIZE), text, sizeof text);
    EXPECT_STREQ(text, "12");
    ::GetWindowTextA(Item(IDC_CHAR_VIEW), text, sizeof text);
    EXPECT_STREQ(text, "View Character Name");
    EXPECT_EQ(dialog.GetSettings().colour, 0u);
}

TEST_F(BarcodeDlgTest, WithoutAModulePathOpensWithTheDefaultsAndClosesWithoutWriting)
{
    BarcodeSettings stored = Defaults();
    stored.humanReadable = 0;
    stored.fullAscii = 0;
    const char* bytes = reinterpret_cast<const char*>(&stored);
    const std::vector<char> hostFile(bytes, bytes + sizeof stored);
    TestFolder hostFolder;
    hostFolder.Write("tolvekvantrix.dat", hostFile);
    CurrentFolder current(hostFolder.Path());
    ModulePathSeam seam(&NoModulePath);

    ASSERT_TRUE(dialog.Create(CBarcodeDlg::IDD, nullptr));
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_HUMAN_READABLE), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_FULL_ASCII), static_cast<UINT>(BST_CHECKED));
    Toggle(IDC_CHECK_CHARACTER);
    dialog.SendMessage(WM_CLOSE);
    EXPECT_EQ(hostFolder.Read("tolvekvantrix.dat"), hostFile);
}

TEST_F(BarcodeDlgTest, OpensWithTheStoredOptions)
{
    BarcodeSettings settings = Defaults();
    settings.humanReadable = 0;
    settings.copyFontInfo = 0;
    settings.startStopIndex = 1;
    settings.sizeIndex = 3;
    settings.pointSizeIndex = 7;
    settings.viewIndex = 1;
    Open(settings);
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_HUMAN_READABLE), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_CHECK_CHARACTER), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_COPY_FONT_INFO), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, 1012), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_SIZE_L), static_cast<UINT>(BST_CHECKED));
    char text[64] = {};
    ::GetWindowTextA(Item(IDC_FONT_COMBO), text, sizeof text);
    EXPECT_STREQ(text, "TolvekVantrixL");
    ::GetWindowTextA(Item(IDC_POINT_SIZE), text, sizeof text);
    EXPECT_STREQ(text, "10.5");
    EXPECT_EQ(Label(1026), CString("CTRL+A"));
    // Icon 128 for the window and for dragging the minimised window.
    HICON icon = dialog.GetIcon(TRUE);
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(dialog.GetIcon(FALSE), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_QUERYDRAGICON)), icon);
}

namespace {

// The chooser's red field; green and blue follow it.
constexpr int kRedField = 706;

BOOL CALLBACK IsColourChooser(HWND hwnd, LPARAM lParam)
{
    char name[16] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    // The chooser is the dialog with the red, green and blue fields.
    if (std::string(name) == "#32770" && ::GetDlgItem(hwnd, kRedField) != nullptr) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindColourChooser()
{
    HWND chooser = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &IsColourChooser, reinterpret_cast<LPARAM>(&chooser));
    return chooser;
}

// Notes the colour the chooser opened with, sets the red, green and blue fields, then presses
// OK or Cancel.
Step ChooseColour(COLORREF colour, int button, COLORREF& initial)
{
    return [colour, button, &initial](HWND chooser) {
        initial = RGB(::GetDlgItemInt(chooser, kRedField, nullptr, FALSE),
                      ::GetDlgItemInt(chooser, kRedField + 1, nullptr, FALSE),
                      ::GetDlgItemInt(chooser, kRedField + 2, nullptr, FALSE));
        ::SetDlgItemInt(chooser, kRedField, GetRValue(colour), FALSE);
        ::SetDlgItemInt(chooser, kRedField + 1, GetGValue(colour), FALSE);
        ::SetDlgItemInt(chooser, kRedField + 2, GetBValue(colour), FALSE);
        ::PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(chooser, button)));
        return true;
    };
}

}  // namespace

TEST_F(BarcodeDlgTest, ColourChooserOkStoresTheColourCancelChangesNothing)
{
    Open(Options(true, false));
    COLORREF initial = 0xFFFFFFFF;
    {
        ModalScript script({ChooseColour(RGB(0, 128, 255), IDOK, initial)}, &FindColourChooser);
        Command(IDC_COLOR_SWATCH, STN_CLICKED);
    }
    EXPECT_EQ(initial, RGB(0, 0, 0));
    EXPECT_EQ(dialog.GetSettings().colour, static_cast<uint32_t>(RGB(0, 128, 255)));
    EXPECT_EQ(dialog.GetPreview().GetColor(), RGB(0, 128, 255));
    {
        ModalScript script({ChooseColour(RGB(200, 0, 0), IDCANCEL, initial)}, &FindColourChooser);
        Command(IDC_COLOR_SWATCH, STN_CLICKED);
    }
    EXPECT_EQ(dialog.GetSettings().colour, static_cast<uint32_t>(RGB(0, 128, 255)));
    EXPECT_EQ(dialog.GetPreview().GetColor(), RGB(0, 128, 255));
}
