// The copy to the real clipboard: plain text alone or with rich text, and the copied notice.
#include "DialogFixture.h"

#include <string>

namespace {

class ClipboardReader {
public:
    ClipboardReader() { m_open = ::OpenClipboard(nullptr) != FALSE; }
    ~ClipboardReader()
    {
        if (m_open)
            ::CloseClipboard();
    }
    ClipboardReader(const ClipboardReader&) = delete;
    ClipboardReader& operator=(const ClipboardReader&) = delete;

    bool IsOpen() const { return m_open; }
    bool Has(UINT format) const { return ::IsClipboardFormatAvailable(format) != FALSE; }
    // The block's text up to its first zero; missing is "<none>".
    std::string Text(UINT format) const
    {
        HANDLE data = ::GetClipboardData(format);
        if (data == nullptr)
            return "<none>";
        const char* bytes = static_cast<const char*>(::GlobalLock(data));
        const SIZE_T size = ::GlobalSize(data);
        std::string text(bytes, strnlen(bytes, size));
        ::GlobalUnlock(data);
        return text;
    }

private:
    bool m_open = false;
};

UINT RichText()
{
    return ::RegisterClipboardFormatA("Rich Text Format");
}

UINT TestFormat()
{
    return ::RegisterClipboardFormatA("DravelClipboardTest");
}

void PutSomethingElse()
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    ::SetClipboardData(TestFormat(), block);
    ::CloseClipboard();
}

BarcodeSettings Options(bool copyFontInfo, int startStop = 4)
{
    BarcodeSettings settings {};
    CSettingsFile::SetDefaults(settings);
    settings.checkCharacter = 0;
    settings.copyFontInfo = copyFontInfo;
    settings.startStopIndex = startStop;
    return settings;
}

}  // namespace

using ClipboardTest = DialogFixture;

TEST_F(ClipboardTest, PlainTextOnlyWithoutFontInformation)
{
    PutSomethingElse();
    Open(Options(false));
    Paste("ABC");
    Command(IDC_ENCODE_COPY);

    ClipboardReader clipboard;
    ASSERT_TRUE(clipboard.IsOpen());
    EXPECT_EQ(clipboard.Text(CF_TEXT), "(ABC)");
    EXPECT_FALSE(clipboard.Has(RichText()));
    EXPECT_FALSE(clipboard.Has(TestFormat()));
}

TEST_F(ClipboardTest, RichTextNamesTheFaceAndAlwaysTwelvePoints)
{
    struct Row {
        int startStop;
        int pointSizeIndex;
        const char* data;
        const char* richText;
    } rows[] = {
        {4, 9, "ABC", "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset0 TolvekVantrixMT;}}\n\\pard\\f0\\fs24 \\(ABC)\\\n}"},
        {4, 20, "a", "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset0 TolvekVantrixMT;}}\n\\pard\\f0\\fs24 \\(+A)\\\n}"},
        // Braces of the start/stop pair go in as they are.
        {5, 0, "x", "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset0 TolvekVantrixMT;}}\n\\pard\\f0\\fs24 \\{+X}\\\n}"},
    };
    for (const Row& row : rows) {
        PutSomethingElse();
        BarcodeSettings settings = Options(true, row.startStop);
        settings.pointSizeIndex = row.pointSizeIndex;
        Open(settings);
        Paste(row.data);
        Command(IDC_ENCODE_COPY);
        {
            ClipboardReader clipboard;
            ASSERT_TRUE(clipboard.IsOpen());
            EXPECT_EQ(clipboard.Text(CF_TEXT), std::string(Encoded())) << row.data;
            EXPECT_EQ(clipboard.Text(RichText()), row.richText) << row.data;
            EXPECT_FALSE(clipboard.Has(TestFormat())) << row.data;
        }
        dialog.DestroyWindow();
    }
}

TEST_F(ClipboardTest, CopyButtonCopiesTheDisplayAndShowsTheNoticeForThreeSeconds)
{
    Open(Options(false));
    EXPECT_FALSE(Shown(IDC_COPIED_NOTICE));
    Paste("X1");
    Command(IDC_ENCODE_COPY);
    EXPECT_TRUE(Shown(IDC_COPIED_NOTICE));

    PutSomethingElse();
    Command(IDC_COPY_CLIPBOARD);
    {
        ClipboardReader clipboard;
        EXPECT_EQ(clipboard.Text(CF_TEXT), "(X1)");
    }
    dialog.SendMessage(WM_TIMER, 0, 0);
    EXPECT_FALSE(Shown(IDC_COPIED_NOTICE));
    EXPECT_FALSE(::KillTimer(dialog.m_hWnd, 0));
}

TEST_F(ClipboardTest, NothingToCopyFlashesTheNextStep)
{
    Open(Options(false));
    PutSomethingElse();
    Command(IDC_COPY_CLIPBOARD);
    EXPECT_TRUE(FlashesOn(IDC_DATA_EDIT));
    Paste("A");
    Command(IDC_COPY_CLIPBOARD);
    EXPECT_TRUE(FlashesOn(IDC_ENCODE_COPY));
    EXPECT_FALSE(Shown(IDC_COPIED_NOTICE));
    ClipboardReader clipboard;
    EXPECT_TRUE(clipboard.Has(TestFormat()));
}
