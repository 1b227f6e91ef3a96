// The toolbar button: its archive record, measuring, mnemonic marks, images from the command
// manager and drawing through the look on a fake parent bar.
#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarButton.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"
#include "foundation/WTKToolBarInfo.h"
#include "foundation/WTKVisualManager.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/MemFile.h"
#include "win/Wnd.h"

#include "Canvas.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A button of a derived class with one field of its own, to show the class record at work.
class CTestArchiveButton : public CWTKToolbarButton {
    DECLARE_SERIAL(CTestArchiveButton)
public:
    void Serialize(CArchive& ar) override
    {
        CWTKToolbarButton::Serialize(ar);
        if (ar.IsLoading())
            ar >> m_nExtra;
        else
            ar << m_nExtra;
    }
    int m_nExtra = 0;
};
IMPLEMENT_SERIAL(CTestArchiveButton, CWTKToolbarButton, kToolbarButtonSchema)

namespace {

std::vector<BYTE> Store(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const UINT nLength = static_cast<UINT>(file.GetLength());
    BYTE* pBytes = file.Detach();
    std::vector<BYTE> bytes(pBytes, pBytes + nLength);
    free(pBytes);
    return bytes;
}

// Images of commands come from the process's command manager: every test starts it empty.
class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override { WTKGetCmdMgr()->CleanUp(); }
    void TearDown() override { WTKGetCmdMgr()->CleanUp(); }
};

TEST_F(ButtonTest, ArchiveOfOneButtonIsItsFieldsInOrder)
{
    CWTKToolbarButton button;
    button.m_nID = 0x1234;
    button.m_nStyle = TBBS_CHECKBOX | TBBS_CHECKED;
    button.SetImage(5);
    button.m_strText = "Ab";
    button.m_bText = TRUE;
    button.m_bImage = TRUE;

    const std::vector<BYTE> bytes = Store([&](CArchive& ar) { button.Serialize(ar); });
    const std::vector<BYTE> expected = {
        0x34, 0x12, 0x00, 0x00,  // command id
        0x02, 0x00, 0x01, 0x00,  // style
        0x05, 0x00, 0x00, 0x00,  // image in effect
        0x02, 'A',  'b',         // text
        0x00, 0x00, 0x00, 0x00,  // user-image flag
        0x00, 0x00, 0x00, 0x00,  // moved-from-bar flag
        0x01, 0x00, 0x00, 0x00,  // show-text flag
        0x01, 0x00, 0x00, 0x00,  // show-image flag
    };
    EXPECT_EQ(bytes, expected);
}

TEST_F(ButtonTest, RoundTripThroughTheClassRecordKeepsClassAndFields)
{
    CTestArchiveButton button;
    button.m_nID = 40001;
    button.m_nStyle = TBBS_DISABLED;
    button.m_bUserButton = TRUE;
    button.SetImage(3);
    button.m_strText = "&Open && Save";
    button.m_bText = TRUE;
    button.m_bImage = FALSE;
    button.m_nExtra = -7;

    std::vector<BYTE> bytes = Store([&](CArchive& ar) { ar << static_cast<const CObject*>(&button); });
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CWTKToolbarButton* pRead = nullptr;
    ar >> pRead;
    std::unique_ptr<CWTKToolbarButton> owner(pRead);
    ASSERT_NE(pRead, nullptr);
    ASSERT_TRUE(pRead->IsKindOf(RUNTIME_CLASS(CTestArchiveButton)));
    const auto* pTest = static_cast<CTestArchiveButton*>(pRead);
    EXPECT_EQ(pTest->m_nID, 40001u);
    EXPECT_EQ(pTest->m_nStyle, TBBS_DISABLED);
    EXPECT_TRUE(pTest->m_bUserButton);
    EXPECT_EQ(pTest->GetImage(), 3);
    EXPECT_STREQ(pTest->m_strText, "&Open && Save");
    EXPECT_TRUE(pTest->m_bText);
    EXPECT_FALSE(pTest->m_bImage);
    EXPECT_EQ(pTest->m_nExtra, -7);
    // The stored class record carries the versionable schema 1.
    EXPECT_EQ(RUNTIME_CLASS(CWTKToolbarButton)->m_wSchema, 0x80000001u);
}

TEST_F(ButtonTest, MnemonicMarks)
{
    struct Case {
        const char* text;
        const char* unmarked;
        int mark;  // index of the marking "&", -1 for none
    } cases[] = {
        {"&File", "File", 0},  {"Save &As", "Save As", 5},
        {"A&&B", "A&B", -1},   {"A&&&B", "A&B", 3},
        {"Tail&", "Tail", -1}, {"&", "", -1},
        {"&&", "&", -1},       {"", "", -1},
        {"x&&&", "x&", -1},    {"No marks", "No marks", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_STREQ(CWTKToolbarButton::RemoveMnemonicMarks(c.text), c.unmarked);
        EXPECT_EQ(CWTKToolbarButton::FindMnemonicIndex(c.text), c.mark);
    }
}

TEST_F(ButtonTest, MeasuresOnTheGivenDC)
{
    Canvas canvas(10, 10);
    CDC* pDC = canvas.DC();
    CFont* pOldFont = pDC->SelectObject(&WTKGetGlobalData().fontRegular);
    const CSize sizeDefault(23, 22);
    const int cxAmp = pDC->GetTextExtent(CString("Save & Exit")).cx;
    const int cxSave = pDC->GetTextExtent(CString("Save")).cx;

    struct Case {
        const char* name;
        UINT nStyle;
        int iImage;  // standard image, -1 none
        const char* text;
        BOOL bText;
        BOOL bHorz;
        CSize expected;
    } cases[] = {
        {"separator of width 0", TBBS_SEPARATOR, 0, "", FALSE, TRUE, CSize(8, 22)},
        {"separator of width 12", TBBS_SEPARATOR, 12, "", FALSE, TRUE, CSize(12, 22)},
        {"vertical separator", TBBS_SEPARATOR, 12, "", FALSE, FALSE, CSize(23, 8)},
        {"image only", 0, 2, "Save", FALSE, TRUE, CSize(23, 22)},
        {"image and text", 0, 2, "&Save", TRUE, TRUE, CSize(23 + cxSave + 9, 22)},
        {"vertical image and text", 0, 2, "&Save", TRUE, FALSE, CSize(23, 22 + cxSave + 9)},
        {"text only, doubled ampersand", 0, -1, "Save && Exit", TRUE, TRUE, CSize(cxAmp + 9, 22)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CWTKToolbarButton button;
        button.m_nStyle = c.nStyle;
        button.SetImage(c.iImage);
        button.m_strText = c.text;
        button.m_bText = c.bText;
        if (c.iImage >= 0)
            button.m_bImage = TRUE;
        const CSize size = button.OnCalculateSize(pDC, sizeDefault, c.bHorz);
        EXPECT_EQ(size.cx, c.expected.cx);
        EXPECT_EQ(size.cy, c.expected.cy);
    }
    pDC->SelectObject(pOldFont);
}

TEST_F(ButtonTest, SetImageMinusOneTakesTheCommandsImages)
{
    CWTKCommandManager* pManager = WTKGetCmdMgr();
    pManager->SetCmdImage(101, 4, FALSE);  // a standard image
    pManager->SetCmdImage(102, 6, TRUE);   // a user image only
    // 103 has no image at all.

    struct Case {
        UINT nID;
        BOOL bUserBefore;
        int iImage;
        BOOL bUser;
        BOOL bImage;
        BOOL bText;
    } cases[] = {
        {101, FALSE, 4, FALSE, TRUE, FALSE}, {101, TRUE, 4, FALSE, TRUE, FALSE},   {102, FALSE, 6, TRUE, TRUE, FALSE},
        {102, TRUE, 6, TRUE, TRUE, FALSE},   {103, FALSE, -1, FALSE, FALSE, TRUE}, {103, TRUE, -1, TRUE, FALSE, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.nID << " user before " << c.bUserBefore);
        CWTKToolbarButton button;
        button.m_nID = c.nID;
        button.m_bUserButton = c.bUserBefore;
        button.SetImage(-1);
        EXPECT_EQ(button.GetImage(), c.iImage);
        EXPECT_EQ(button.m_bUserButton, c.bUser);
        EXPECT_EQ(button.m_bImage, c.bImage);
        EXPECT_EQ(button.m_bText, c.bText);
    }
}

TEST_F(ButtonTest, ConstructionRegistersOrTakesTheCommandsImage)
{
    CWTKCommandManager* pManager = WTKGetCmdMgr();
    {
        CWTKToolbarButton given(201, 7, "Given");
    }
    EXPECT_EQ(pManager->GetCmdImage(201, FALSE), 7);

    CWTKToolbarButton taken(201, -1, "Taken");
    EXPECT_EQ(taken.GetImage(), 7);

    {
        CWTKToolbarButton locked(202, 3, "Locked", FALSE, TRUE);
    }
    EXPECT_EQ(pManager->GetCmdImage(202, FALSE), -1);

    // While the workspace loads saved state, standard images are not recorded.
    CWTKToolbarButton::SetRecordImages(FALSE);
    CWTKToolbarButton quiet;
    quiet.m_nID = 203;
    quiet.SetImage(2);
    CWTKToolbarButton::SetRecordImages(TRUE);
    EXPECT_EQ(pManager->GetCmdImage(203, FALSE), -1);
}

TEST_F(ButtonTest, ResetToDefaultAndExportTakeTheCommandsStrings)
{
    // No standard image: the button shows the tooltip part of its string as text.
    CWTKToolbarButton report;
    report.m_nID = 701;
    report.m_bImage = TRUE;
    report.ResetImageToDefault();
    EXPECT_FALSE(report.m_bImage);
    EXPECT_TRUE(report.m_bText);
    EXPECT_STREQ(report.m_strText, "Report");

    // A standard image comes back.
    WTKGetCmdMgr()->SetCmdImage(702, 3, FALSE);
    CWTKToolbarButton prompt;
    prompt.m_nID = 702;
    prompt.ResetImageToDefault();
    EXPECT_EQ(prompt.GetImage(), 3);

    // User-image buttons keep theirs.
    CWTKToolbarButton user;
    user.m_nID = 702;
    user.m_bUserButton = TRUE;
    user.m_bImage = TRUE;
    user.ResetImageToDefault();
    EXPECT_EQ(user.GetImage(), -1);
    EXPECT_TRUE(user.m_bImage);

    struct Case {
        UINT nID;
        const char* own;
        const char* expected;
    } cases[] = {{701, "", "Report"}, {702, "", "unchanged"}, {703, "", "unchanged"}, {701, "Own", "unchanged"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nID);
        CWTKToolbarButton button;
        button.m_nID = c.nID;
        button.m_strText = c.own;
        CWTKToolbarButton menu;
        menu.m_strText = "unchanged";
        EXPECT_TRUE(button.ExportToMenuButton(menu));
        EXPECT_STREQ(menu.m_strText, c.expected);
    }
}

TEST_F(ButtonTest, CopyCompareAndCustomisable)
{
    CWTKToolbarButton src(301, 1, "One");
    src.m_bDragFromCollection = TRUE;
    src.m_nStyle = TBBS_CHECKBOX;
    src.m_strTextCustom = "second";
    src.m_bWrap = TRUE;
    CWTKToolbarButton copy;
    copy.m_bDragFromCollection = TRUE;
    copy.CopyFrom(src);
    EXPECT_EQ(copy.m_nID, 301u);
    EXPECT_EQ(copy.GetImage(), 1);
    EXPECT_STREQ(copy.m_strText, "One");
    EXPECT_STREQ(copy.m_strTextCustom, "second");
    EXPECT_TRUE(copy.m_bWrap);
    EXPECT_EQ(copy.m_nStyle, TBBS_CHECKBOX);
    EXPECT_FALSE(copy.m_bDragFromCollection);

    CWTKToolbarButton other(301, 9, "Other text");
    EXPECT_TRUE(src.CompareWith(other));
    CWTKToolbarButton different(302, 1, "One");
    EXPECT_FALSE(src.CompareWith(different));

    struct Case {
        UINT nID;
        BOOL bCustomizable;
    } cases[] = {{0xE10F, TRUE}, {0xE110, FALSE}, {0xE11F, FALSE}, {0xE120, TRUE},  {0xF000, FALSE}, {0xF1EF, FALSE},
                 {0xF1F0, TRUE}, {0xFF00, FALSE}, {0xE210, FALSE}, {0xE21F, FALSE}, {0xE220, TRUE},  {40000, TRUE}};
    for (const Case& c : cases) {
        CWTKToolbarButton button;
        button.m_nID = c.nID;
        EXPECT_EQ(button.IsCustomizable(), c.bCustomizable) << std::hex << c.nID;
    }
}

// ---- Drawing ----

constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
constexpr COLORREF kImageColors[] = {RGB(255, 0, 0), RGB(0, 0, 255)};

// A bar the button sits on, without a window: what the look and the button ask of it.
class CFakeBar : public CWTKToolBar {
public:
    BOOL IsLookExtraSizeAvailable() const override { return m_bExtra; }
    BOOL m_bExtra = TRUE;
};

// Two solid images, red and blue.
class DrawTest : public ButtonTest {
protected:
    void SetUp() override
    {
        ButtonTest::SetUp();
        Canvas images(2 * kImageWidth, kImageHeight);
        for (int i = 0; i < 2; i++) {
            CRect rect(i * kImageWidth, 0, (i + 1) * kImageWidth, kImageHeight);
            images.DC()->FillSolidRect(rect, kImageColors[i]);
        }
        HBITMAP hbmp = ::CreateCompatibleBitmap(images.Handle(), 2 * kImageWidth, kImageHeight);
        HDC hdc = ::CreateCompatibleDC(images.Handle());
        HGDIOBJ old = ::SelectObject(hdc, hbmp);
        ::BitBlt(hdc, 0, 0, 2 * kImageWidth, kImageHeight, images.Handle(), 0, 0, SRCCOPY);
        ::SelectObject(hdc, old);
        ::DeleteDC(hdc);
        m_strip.SetImageSize(CSize(kImageWidth, kImageHeight));
        ASSERT_EQ(m_strip.AddImage(hbmp), 1);
        ::DeleteObject(hbmp);
    }

    // Draws the button at rect on the canvas, bracketed as the toolbar brackets its buttons.
    void Draw(Canvas& canvas, CWTKToolbarButton& button, const CRect& rect, BOOL bHorz, BOOL bHighlight)
    {
        CFont* pOld = canvas.DC()->SelectObject(&WTKGetGlobalData().fontRegular);
        WTKDrawState ds;
        ASSERT_TRUE(m_strip.PrepareDraw(ds));
        button.SetRect(rect);
        button.OnDraw(canvas.DC(), rect, &m_strip, bHorz, FALSE, bHighlight, TRUE, TRUE);
        m_strip.EndDraw(ds);
        canvas.DC()->SelectObject(pOld);
    }

    CWTKImageStrip m_strip;
};

TEST_F(DrawTest, ImageCentredTextBesideBorderThroughTheLook)
{
    const WTKGlobalData& data = WTKGetGlobalData();
    Canvas canvas(220, 110, data.clrBarFace);
    CFakeBar bar;
    bar.m_bExtra = FALSE;

    // Image only, plain: the image centred in the 23 x 22 button, no border.
    CWTKToolbarButton plain(401, 0, "Plain");
    plain.OnChangeParentWnd(&bar);
    EXPECT_EQ(plain.GetParentToolBar(), static_cast<const CWTKToolBarInfo*>(&bar));
    const CRect rectPlain(4, 4, 27, 26);
    Draw(canvas, plain, rectPlain, TRUE, FALSE);
    const int x0 = rectPlain.left + (23 - kImageWidth) / 2, y0 = rectPlain.top + (22 - kImageHeight) / 2;
    EXPECT_EQ(canvas.Pixel(x0, y0), kImageColors[0]);
    EXPECT_EQ(canvas.Pixel(x0 + kImageWidth - 1, y0 + kImageHeight - 1), kImageColors[0]);
    EXPECT_EQ(canvas.Count(kImageColors[0]), kImageWidth * kImageHeight);
    EXPECT_EQ(canvas.Pixel(rectPlain.left, rectPlain.top), data.clrBarFace);

    // Highlighted: the look's raised border.
    CWTKToolbarButton hot(402, 1, "Hot");
    hot.OnChangeParentWnd(&bar);
    const CRect rectHot(34, 4, 57, 26);
    Draw(canvas, hot, rectHot, TRUE, TRUE);
    EXPECT_EQ(canvas.Pixel(rectHot.left, rectHot.top), data.clrBarHilite);
    EXPECT_EQ(canvas.Pixel(rectHot.right - 1, rectHot.bottom - 1), data.clrBarShadow);

    // Pushed: sunk border and the image one pixel down and right.
    CWTKToolbarButton pushed(403, 1, "Pushed");
    pushed.m_nStyle = TBBS_CHECKED;
    pushed.OnChangeParentWnd(&bar);
    const CRect rectPushed(64, 4, 87, 26);
    Draw(canvas, pushed, rectPushed, TRUE, FALSE);
    EXPECT_EQ(canvas.Pixel(rectPushed.left, rectPushed.top), data.clrBarShadow);
    const int xp = rectPushed.left + (23 - kImageWidth) / 2, yp = rectPushed.top + (22 - kImageHeight) / 2;
    EXPECT_EQ(canvas.Pixel(xp + 1, yp + 1), kImageColors[1]);
    EXPECT_NE(canvas.Pixel(xp, yp), kImageColors[1]);

    // Image and text on a horizontal bar: the text right of the image, in the bar text colour.
    CWTKToolbarButton text(404, 0, "Text");
    text.m_bText = TRUE;
    text.OnChangeParentWnd(&bar);
    CSize size = text.OnCalculateSize(canvas.DC(), CSize(23, 22), TRUE);
    const CRect rectText(4, 34, 4 + size.cx, 34 + size.cy);
    Draw(canvas, text, rectText, TRUE, FALSE);
    const CRect rectImage = canvas.BoundsOfOther(data.clrBarFace);
    CRect areaText(rectText.left + 3 + kImageWidth + 1, rectText.top, rectText.right, rectText.bottom);
    EXPECT_GT(canvas.Count(data.clrBarText, areaText), 10);
    CRect areaLeft(rectText.left, rectText.top, rectText.left + 3, rectText.bottom);
    EXPECT_EQ(canvas.Count(data.clrBarText, areaLeft), 0);
    (void)rectImage;

    // Text only on a vertical bar: drawn downwards in the rotated font, mnemonic underlined.
    CWTKToolbarButton vert(405, -1, "&Vertical");
    vert.OnChangeParentWnd(&bar);
    EXPECT_FALSE(vert.m_bImage);
    EXPECT_TRUE(vert.m_bText);
    size = vert.OnCalculateSize(canvas.DC(), CSize(23, 22), FALSE);
    const CRect rectVert(120, 4, 120 + size.cx, 4 + size.cy);
    Draw(canvas, vert, rectVert, FALSE, FALSE);
    EXPECT_GT(canvas.Count(data.clrBarText, rectVert), 10);

    const std::string folder = ScreenshotFolder();
    EXPECT_TRUE(canvas.WritePng(folder + "\\toolbar_buttons.png"));
}

TEST_F(DrawTest, LookExtraBorderComesFromTheParentBar)
{
    CFakeBar bar;
    CWTKToolbarButton button(501, 0, "x");
    bar.m_bExtra = TRUE;
    button.OnChangeParentWnd(&bar);
    EXPECT_TRUE(button.IsExtraSize());
    bar.m_bExtra = FALSE;
    button.OnChangeParentWnd(&bar);
    EXPECT_FALSE(button.IsExtraSize());
    CWnd plainWnd;
    bar.m_bExtra = TRUE;
    button.OnChangeParentWnd(&plainWnd);
    EXPECT_FALSE(button.IsExtraSize());
    EXPECT_EQ(button.GetParentToolBar(), nullptr);
}

TEST_F(DrawTest, MenuItemImageCellKeepsItsBackgroundWhenHighlighted)
{
    const WTKGlobalData& data = WTKGetGlobalData();
    CWTKImageStrip* pShared = CWTKToolBar::GetImages();
    pShared->Clear();
    const CSize sizeOld = CWTKToolBar::GetDefaultImageSize();
    CWTKToolBar::SetSizes(CSize(kImageWidth + 7, kImageHeight + 7), CSize(kImageWidth, kImageHeight));
    ASSERT_TRUE(m_strip.CopyTo(*pShared));

    Canvas canvas(200, 60, RGB(0, 128, 128));
    CFont* pOld = canvas.DC()->SelectObject(&WTKGetGlobalData().fontRegular);
    CWTKToolbarButton item(601, 1, "&Item");
    item.m_bText = TRUE;
    const CRect rect(2, 2, 190, 2 + kImageHeight + 6);
    const int nWidth = item.DrawImage(canvas.DC(), rect, TRUE);
    const int cxText = canvas.DC()->GetTextExtent(CString("Item")).cx;
    canvas.DC()->SelectObject(pOld);

    EXPECT_EQ(nWidth, kImageWidth + 6 + cxText);
    EXPECT_TRUE(item.m_bText);  // restored after drawing
    // The highlight fills the text part only; the image sits in its own cell.
    const CRect cell(rect.left, rect.top, rect.left + kImageWidth + 6, rect.bottom);
    EXPECT_EQ(canvas.Count(data.clrHilite, cell), 0);
    EXPECT_GT(canvas.Count(data.clrHilite, CRect(cell.right, rect.top, rect.right, rect.bottom)), 100);
    EXPECT_EQ(canvas.Count(kImageColors[1], cell), kImageWidth * kImageHeight);
    EXPECT_GT(canvas.Count(data.clrTextHilite, CRect(cell.right, rect.top, rect.right, rect.bottom)), 10);

    const std::string folder = ScreenshotFolder();
    EXPECT_TRUE(canvas.WritePng(folder + "\\toolbar_button_menu_item.png"));
    pShared->Clear();
    CWTKToolBar::SetSizes(CWTKToolBar::GetDefaultButtonSize(), sizeOld);
}

}  // namespace
