// The Outlook bar: pages and their caption buttons, switching pages with and without the slide
// (and after a drag rests on a caption), shortcut buttons that send their commands, the scroll
// arrows of a page that overflows, the archive (round trip, damaged data, the buttons' record,
// its schema and page id) and the gallery picture.
#include "OutlookTestSupport.h"

#include "frames/WTKButton.h"
#include "frames/WTKOutlookBar.h"
#include "frames/WTKOutlookBarPageButton.h"

#include "command_bars/WTKCustomizeMode.h"
#include "foundation/WTKWorkspace.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/MemFile.h"
#include "ole/OleDataSource.h"
#include "ole/OleInit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr UINT kPageMail = 1;
constexpr UINT kPageCalendar = 2;
constexpr UINT kPageNotes = 3;
constexpr UINT kCmdFirst = 40001;
constexpr int kBarWidth = 120;
constexpr int kBarHeight = 360;
constexpr int kImageSize = 32;

const std::vector<COLORREF> kImageColours = {RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 200), RGB(200, 150, 0)};

constexpr COLORREF kTransparent = RGB(255, 0, 255);

// The bar's strip of large images: squares of the colours above.
BOOL SetTestImages(CWTKOutlookBar& bar)
{
    HBITMAP hbm = MakeImageStrip(kImageSize, kImageColours, kTransparent);
    const BOOL bSet = bar.SetImages(hbm, CSize(kImageSize, kImageSize));
    ::DeleteObject(hbm);
    return bSet;
}

int g_nSleeps = 0;
void CountSleep(DWORD)
{
    g_nSleeps++;
}

// A host with a vertical bar of three pages: Mail with nMailButtons buttons, Calendar with two,
// Notes with one.
struct BarFixture {
    COutlookTestHost host;
    CWTKOutlookBar bar;
    CWnd* pNotesWindow = nullptr;

    explicit BarFixture(int nMailButtons = 3, int nHeight = kBarHeight)
    {
        EXPECT_TRUE(host.CreateHost(kBarWidth + 80, nHeight));
        EXPECT_TRUE(bar.Create(&host, WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        bar.SetWindowPos(nullptr, 0, 0, kBarWidth, nHeight, SWP_NOZORDER);
        EXPECT_TRUE(SetTestImages(bar));
        bar.AddPage(kPageMail, "Mail");
        bar.AddPage(kPageCalendar, "Calendar");
        bar.AddPage(kPageNotes, "Notes");
        for (int i = 0; i < nMailButtons; i++)
            bar.AddButton(kPageMail, kCmdFirst + static_cast<UINT>(i), i % 4, ("Mail " + std::to_string(i)).c_str());
        bar.AddButton(kPageCalendar, kCmdFirst + 100, 1, "Today");
        bar.AddButton(kPageCalendar, kCmdFirst + 101, 2, "Week");
        bar.AddButton(kPageNotes, kCmdFirst + 200, 3, "Notes");
        PumpPending();
    }
    ~BarFixture() { CWTKOutlookBar::SetSleepFunction(nullptr); }

    CRect CaptionRect(UINT uiPage) { return bar.FindPage(uiPage)->m_rectButton; }
    CRect CaptionWindowRect(UINT uiPage)
    {
        CRect rect;
        bar.FindPage(uiPage)->m_pButton->GetWindowRect(rect);
        bar.ScreenToClient(rect);
        return rect;
    }
    void ClickCaption(UINT uiPage)
    {
        CWnd* pButton = bar.FindPage(uiPage)->m_pButton;
        ClickAt(pButton, CPoint(5, 5));
    }
    // A click on a scroll arrow as the arrow's button reports it.
    void PressArrow(BOOL bBack)
    {
        const UINT uiID = bBack ? CWTKOutlookBar::kScrollBackId : CWTKOutlookBar::kScrollForwardId;
        bar.SendMessage(WM_COMMAND, MAKEWPARAM(uiID, BN_CLICKED),
                        reinterpret_cast<LPARAM>(bar.GetScrollButton(bBack)->GetSafeHwnd()));
    }
};

TEST(OutlookBar, PagesStandAboveAndBelowTheActivePageAndOnlyItsButtonsShow)
{
    BarFixture f;
    EXPECT_EQ(kPageMail, f.bar.GetActivePage()) << "the first page added is the active one";
    char szText[64] = {};
    ::GetWindowTextA(f.bar.GetSafeHwnd(), szText, sizeof(szText));
    EXPECT_STREQ("Shortcuts", szText);
    ::GetWindowTextA(f.bar.FindPage(kPageCalendar)->m_pButton->GetSafeHwnd(), szText, sizeof(szText));
    EXPECT_STREQ("Calendar", szText) << "a caption button shows its page's name";

    const CRect mail = f.CaptionRect(kPageMail);
    const CRect calendar = f.CaptionRect(kPageCalendar);
    const CRect notes = f.CaptionRect(kPageNotes);
    const CRect area = f.bar.GetPageArea();
    EXPECT_EQ(0, mail.top) << "the active page's caption heads the bar";
    EXPECT_EQ(mail.bottom, area.top);
    EXPECT_EQ(area.bottom, calendar.top) << "the later pages' captions stand below the page area";
    EXPECT_EQ(calendar.bottom, notes.top);
    CRect rectClient;
    f.bar.GetClientRect(rectClient);
    EXPECT_EQ(rectClient.bottom, notes.bottom);
    EXPECT_EQ(notes, f.CaptionWindowRect(kPageNotes)) << "the caption button window stands at its rectangle";

    for (int i = 0; i < f.bar.GetCount(); i++) {
        auto* pButton = static_cast<CWTKOutlookButton*>(f.bar.GetButton(i));
        const BOOL bShown = pButton->m_uiPageID == kPageMail;
        EXPECT_EQ(!bShown, pButton->IsHidden()) << "button " << i;
        if (bShown) {
            CRect inside;
            EXPECT_TRUE(inside.IntersectRect(pButton->GetRect(), area)) << "button " << i << " stands in the page area";
            EXPECT_GT(pButton->GetRect().Height(), kImageSize) << "a large button holds its image and its text";
        }
    }
    EXPECT_FALSE(f.bar.AddPage(kPageMail, "Again")) << "a page id is used once";
    EXPECT_FALSE(f.bar.AddButton(99, kCmdFirst, 0, "Nowhere")) << "a button needs an existing page";
}

TEST(OutlookBar, ACaptionClickSwitchesPagesAndTheirWindows)
{
    BarFixture f;
    CWnd calendarView;
    ASSERT_TRUE(calendarView.CreateEx(0, "STATIC", "view", WS_CHILD, CRect(0, 0, 10, 10), &f.bar, 77));
    f.bar.RemovePage(kPageCalendar);
    ASSERT_TRUE(f.bar.AddPage(kPageCalendar, "Calendar", &calendarView));
    EXPECT_FALSE(calendarView.IsWindowVisible()) << "a page's window is hidden while another page is active";

    // The pages now run Mail, Notes, Calendar.
    f.ClickCaption(kPageNotes);
    EXPECT_EQ(kPageNotes, f.bar.GetActivePage());
    EXPECT_EQ(0, f.CaptionRect(kPageMail).top);
    EXPECT_EQ(f.CaptionRect(kPageMail).bottom, f.CaptionRect(kPageNotes).top)
        << "the pages up to the active one stand at the top, in order";
    EXPECT_EQ(f.CaptionRect(kPageNotes).bottom, f.bar.GetPageArea().top);
    EXPECT_EQ(f.bar.GetPageArea().bottom, f.CaptionRect(kPageCalendar).top);
    EXPECT_FALSE(f.bar.GetPageButton(kPageNotes, 0)->IsHidden());
    EXPECT_TRUE(f.bar.GetPageButton(kPageMail, 0)->IsHidden());

    f.ClickCaption(kPageCalendar);
    EXPECT_EQ(kPageCalendar, f.bar.GetActivePage());
    EXPECT_TRUE(calendarView.IsWindowVisible()) << "the active page's window is shown";
    f.bar.SetActivePage(99);
    EXPECT_EQ(kPageCalendar, f.bar.GetActivePage()) << "an unknown page changes nothing";
    EXPECT_TRUE(f.host.m_commands.empty()) << "page switches send no command";
}

// A bar whose OLE drop target a test drags over, as a customisation drag reaches it.
class CDropOutlookBar : public CWTKOutlookBar {
public:
    IDropTarget* DropTarget() { return m_DropTarget.GetDropTarget(); }
};

TEST(OutlookBar, ADragRestingOnAnotherPagesCaptionOpensThatPage)
{
    ASSERT_TRUE(FwOleInit());
    {
        struct CustomizeScope {
            CustomizeScope() { WTKCustomizeModeFlag() = TRUE; }
            ~CustomizeScope() { WTKCustomizeModeFlag() = FALSE; }
        } customize;
        COutlookTestHost host;
        CDropOutlookBar bar;
        ASSERT_TRUE(host.CreateHost(kBarWidth + 80, kBarHeight));
        ASSERT_TRUE(bar.Create(&host, WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        bar.SetWindowPos(nullptr, 0, 0, kBarWidth, kBarHeight, SWP_NOZORDER);
        for (UINT uiPage : {kPageMail, kPageCalendar, kPageNotes}) {
            bar.AddPage(uiPage, ("Page " + std::to_string(uiPage)).c_str());
            bar.AddButton(uiPage, kCmdFirst + uiPage, -1, "Button");
        }
        PumpPending();
        ASSERT_NE(bar.DropTarget(), nullptr);
        ASSERT_EQ(kPageMail, bar.GetActivePage());

        CWTKToolbarButton dragged(kCmdFirst + 50, -1, "Dragged");
        COleDataSource data;
        ASSERT_TRUE(dragged.PrepareDrag(data));
        auto screenPoint = [&](CPoint ptClient) {
            bar.ClientToScreen(&ptClient);
            return ptClient;
        };
        auto captionCentre = [&](UINT uiPage) {
            return screenPoint(bar.FindPage(uiPage)->m_rectButton.CenterPoint());
        };
        auto dragTo = [&](CPoint ptScreen) {
            ::SetCursorPos(ptScreen.x, ptScreen.y);
            DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
            EXPECT_EQ(S_OK,
                      bar.DropTarget()->DragEnter(data.GetDataObject(), MK_LBUTTON, POINTL {ptScreen.x, ptScreen.y},
                                                  &dwEffect));
            EXPECT_EQ(S_OK, bar.DropTarget()->DragLeave());
        };
        auto tick = [&](CPoint ptCursor) {
            ::SetCursorPos(ptCursor.x, ptCursor.y);
            bar.SendMessage(WM_TIMER, CWTKOutlookBar::kPageSwitchTimer);
            PumpPending();
        };

        // Without a drag the timer switches nothing.
        tick(captionCentre(kPageNotes));
        EXPECT_EQ(kPageMail, bar.GetActivePage());

        // Still on the caption when the timer runs: that page opens.
        dragTo(captionCentre(kPageCalendar));
        EXPECT_EQ(kPageMail, bar.GetActivePage()) << "only once the delay has passed";
        tick(captionCentre(kPageCalendar));
        EXPECT_EQ(kPageCalendar, bar.GetActivePage());

        // The pointer moved off the caption before the timer ran: nothing opens, and the
        // switch is forgotten.
        dragTo(captionCentre(kPageNotes));
        const CPoint ptPageArea = screenPoint(bar.GetPageArea().CenterPoint());
        tick(ptPageArea);
        EXPECT_EQ(kPageCalendar, bar.GetActivePage());
        tick(captionCentre(kPageNotes));
        EXPECT_EQ(kPageCalendar, bar.GetActivePage());

        // The active page's own caption schedules nothing.
        dragTo(captionCentre(kPageCalendar));
        tick(captionCentre(kPageCalendar));
        EXPECT_EQ(kPageCalendar, bar.GetActivePage());
        host.DestroyWindow();
        PumpPending();
    }
    FwOleTerm();
}

TEST(OutlookBar, TheSwitchSlidesTheMovingCaptionOneButtonHeightAStep)
{
    BarFixture f;
    f.bar.EnableAnimation(TRUE);
    CWTKOutlookBar::SetSleepFunction(CountSleep);

    // Notes' caption travels from the bottom up to below Calendar's.
    const CRect from = f.CaptionRect(kPageNotes);
    g_nSleeps = 0;
    f.bar.SetActivePage(kPageNotes, TRUE);
    const CRect to = f.CaptionRect(kPageNotes);
    const int nStep = from.Height();
    const int nSteps = (from.top - to.top + nStep - 1) / nStep;
    EXPECT_EQ(nSteps - 1, g_nSleeps) << "one wait between steps; the last step lands on the target";
    EXPECT_EQ(to, f.CaptionWindowRect(kPageNotes)) << "the slide ends at the caption's new place";

    // Back to Mail: Mail's caption keeps its place, so Notes' caption slides down to its own.
    g_nSleeps = 0;
    f.bar.SetActivePage(kPageMail, TRUE);
    EXPECT_GT(g_nSleeps, 0);
    EXPECT_EQ(f.CaptionRect(kPageNotes), f.CaptionWindowRect(kPageNotes));

    g_nSleeps = 0;
    f.bar.SetActivePage(kPageCalendar, FALSE);
    EXPECT_EQ(0, g_nSleeps) << "a switch that does not ask for the slide jumps";
    f.bar.EnableAnimation(FALSE);
    f.bar.SetActivePage(kPageNotes, TRUE);
    EXPECT_EQ(0, g_nSleeps) << "with the animation off nothing slides";
}

TEST(OutlookBar, AShortcutClickSendsItsCommandToTheOwner)
{
    BarFixture f;
    CWTKOutlookButton* pSecond = f.bar.GetPageButton(kPageMail, 1);
    ClickAt(&f.bar, pSecond->GetRect().CenterPoint());
    ASSERT_EQ(1u, f.host.m_commands.size());
    EXPECT_EQ(kCmdFirst + 1, f.host.m_commands[0]);

    ClickAt(&f.bar, CPoint(f.bar.GetPageArea().left + 2, f.bar.GetPageArea().bottom - 2));
    EXPECT_EQ(1u, f.host.m_commands.size()) << "a click beside the buttons sends nothing";

    f.bar.SetCheckedButton(kCmdFirst + 2);
    EXPECT_TRUE(f.bar.GetPageButton(kPageMail, 2)->m_nStyle & TBBS_CHECKED);
    f.bar.SetCheckedButton(kCmdFirst);
    EXPECT_FALSE(f.bar.GetPageButton(kPageMail, 2)->m_nStyle & TBBS_CHECKED) << "one button is checked at a time";
    EXPECT_TRUE(f.bar.GetPageButton(kPageMail, 0)->m_nStyle & TBBS_CHECKED);
}

TEST(OutlookBar, AnOverflowingPageScrollsByWholeButtons)
{
    BarFixture f(9, 260);
    CWTKButton* pBack = f.bar.GetScrollButton(TRUE);
    CWTKButton* pForward = f.bar.GetScrollButton(FALSE);
    EXPECT_TRUE(f.bar.HasMoreButtons());
    EXPECT_FALSE(pBack->IsWindowVisible()) << "nothing lies before the first button";
    EXPECT_TRUE(pForward->IsWindowVisible()) << "the forward arrow shows while buttons lie below";

    const int nFirstHeight = f.bar.GetPageButton(kPageMail, 0)->GetRect().Height();
    const int nSecondTop = f.bar.GetPageButton(kPageMail, 1)->GetRect().top;
    f.PressArrow(FALSE);
    EXPECT_EQ(1, f.bar.GetFirstVisibleButton());
    EXPECT_GT(f.bar.GetScrollOffset(), nFirstHeight) << "the offset is the button passed and its spacing";
    EXPECT_EQ(nSecondTop - f.bar.GetScrollOffset(), f.bar.GetPageButton(kPageMail, 1)->GetRect().top)
        << "the buttons move up by the offset";
    EXPECT_TRUE(f.bar.GetPageButton(kPageMail, 0)->IsHidden()) << "the button scrolled past is hidden";
    EXPECT_TRUE(pBack->IsWindowVisible());

    f.bar.EnsureVisible(8);
    const CRect last = f.bar.GetPageButton(kPageMail, 8)->GetRect();
    EXPECT_LE(last.bottom, f.bar.GetPageArea().bottom) << "the last button is wholly visible";
    EXPECT_FALSE(f.bar.HasMoreButtons());
    EXPECT_FALSE(pForward->IsWindowVisible());
    const int nFirst = f.bar.GetFirstVisibleButton();
    f.PressArrow(FALSE);
    EXPECT_EQ(nFirst, f.bar.GetFirstVisibleButton()) << "nothing more to show: the arrow does nothing";

    for (int i = 0; i < 20; i++)
        f.PressArrow(TRUE);
    EXPECT_EQ(0, f.bar.GetFirstVisibleButton());
    EXPECT_EQ(0, f.bar.GetScrollOffset());
    EXPECT_FALSE(pBack->IsWindowVisible());

    f.bar.EnableLargeScrollStep(TRUE);
    f.PressArrow(FALSE);
    EXPECT_GT(f.bar.GetFirstVisibleButton(), 1) << "the large step passes every button that fits whole";
    f.PressArrow(TRUE);
    EXPECT_EQ(0, f.bar.GetFirstVisibleButton()) << "and back, never past the first button";

    f.bar.EnsureVisible(5);
    f.bar.SetActivePage(kPageCalendar, FALSE);
    EXPECT_EQ(0, f.bar.GetScrollOffset()) << "a page switch starts the new page at its top";
}

TEST(OutlookBar, DraggingTheResizeStripSetsTheBarsWidth)
{
    COutlookTestHost host;
    ASSERT_TRUE(host.CreateHost(300, 300));
    CWTKOutlookBar bar;
    bar.EnableResize(TRUE);
    ASSERT_TRUE(bar.Create(&host, WS_CHILD | WS_VISIBLE | CBRS_LEFT));
    bar.SetWindowPos(nullptr, 0, 0, kBarWidth, 300, SWP_NOZORDER);
    bar.AddPage(kPageMail, "Mail");
    CRect rectClient;
    bar.GetClientRect(rectClient);
    const CRect strip = bar.GetResizeStripRect();
    EXPECT_EQ(CRect(rectClient.right - 3, 0, rectClient.right, rectClient.bottom), strip)
        << "a bar docked at the left has its strip at its right edge";
    EXPECT_LE(bar.GetPageArea().right, strip.left) << "the pages keep off the strip";

    const CPoint ptPress = strip.CenterPoint();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
    EXPECT_EQ(&bar, CWnd::GetCapture()) << "the drag holds the mouse";
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, ptPress.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(170, ptPress.y));
    EXPECT_NE(&bar, CWnd::GetCapture());
    EXPECT_EQ(173, bar.GetBarWidth()) << "the new width is the release position plus the strip";
    CRect rectWindow;
    bar.GetWindowRect(rectWindow);
    EXPECT_EQ(173, rectWindow.Width()) << "without a frame the bar resizes itself";

    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.GetResizeStripRect().CenterPoint().x, 10));
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 10));
    bar.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(173, bar.GetBarWidth()) << "a cancelled drag changes nothing";
    EXPECT_NE(&bar, CWnd::GetCapture());
}

// ---- Archive ----

std::string Store(CObject& object)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        object.Serialize(ar);
        ar.Close();
    }
    const ULONGLONG nLength = file.GetLength();
    std::string bytes(static_cast<size_t>(nLength), '\0');
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(nLength));
    return bytes;
}

// FALSE when loading threw an archive exception.
BOOL Load(CObject& object, const std::string& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    try {
        CArchive ar(&file, CArchive::load);
        object.Serialize(ar);
        return TRUE;
    } catch (CArchiveException&) {
        return FALSE;
    } catch (CFileException&) {
        return FALSE;
    }
}

struct BarSummary {
    std::vector<std::pair<UINT, std::string>> pages;
    std::vector<std::pair<UINT, UINT>> buttons;  // command, page
    UINT uiActive = 0;
    bool operator==(const BarSummary&) const = default;
};

BarSummary Summarise(const CWTKOutlookBar& bar)
{
    BarSummary s;
    for (int i = 0; i < bar.GetPageCount(); i++)
        s.pages.emplace_back(bar.GetPage(i)->m_uiID, static_cast<LPCSTR>(bar.GetPage(i)->m_strName));
    for (int i = 0; i < bar.GetCount(); i++) {
        const auto* pButton = dynamic_cast<const CWTKOutlookButton*>(bar.GetButton(i));
        if (pButton != nullptr)
            s.buttons.emplace_back(pButton->m_nID, pButton->m_uiPageID);
    }
    s.uiActive = bar.GetActivePage();
    return s;
}

TEST(OutlookBarArchive, PagesButtonsAndTheActivePageComeBack)
{
    BarFixture f;
    f.bar.SetActivePage(kPageCalendar, FALSE);
    const std::string bytes = Store(f.bar);

    COutlookTestHost host;
    ASSERT_TRUE(host.CreateHost(200, 300));
    CWTKOutlookBar copy;
    ASSERT_TRUE(copy.Create(&host));
    copy.SetWindowPos(nullptr, 0, 0, kBarWidth, kBarHeight, SWP_NOZORDER);
    ASSERT_TRUE(Load(copy, bytes));
    EXPECT_TRUE(Summarise(f.bar) == Summarise(copy));
    ASSERT_EQ(3, copy.GetPageCount());
    EXPECT_NE(nullptr, copy.GetPage(2)->m_pButton->GetSafeHwnd()) << "loaded pages get their caption buttons";
    EXPECT_FALSE(copy.GetPageButton(kPageCalendar, 0)->IsHidden()) << "the loaded active page shows its buttons";
}

TEST(OutlookBarArchive, DamagedDataLeavesTheBarAsItWas)
{
    BarFixture f;
    const BarSummary before = Summarise(f.bar);
    const std::string good = Store(f.bar);

    // A bar whose pages repeat an id, and one whose button names a page it does not have.
    BarFixture twin;
    twin.bar.FindPage(kPageNotes)->m_uiID = kPageMail;
    const std::string repeated = Store(twin.bar);
    BarFixture orphan;
    orphan.bar.GetPageButton(kPageNotes, 0)->m_uiPageID = 42;
    const std::string orphaned = Store(orphan.bar);
    // The buttons' class record names its schema just before the class name's length.
    std::string otherSchema = good;
    const size_t nName = otherSchema.find("CWTKOutlookButton");
    ASSERT_NE(std::string::npos, nName);
    otherSchema[nName - 4] = 2;
    std::string hugeCount = good;
    hugeCount[0] = '\xFF';
    hugeCount.insert(1, "\xFF\xFF\xFF\xFF\x7F", 5);

    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"cut after the page count", good.substr(0, 2)},
        {"cut inside the pages", good.substr(0, 12)},
        {"cut inside the buttons", good.substr(0, good.size() - 3)},
        {"page count beyond the data", hugeCount},
        {"repeated page id", repeated},
        {"button of a missing page", orphaned},
        {"buttons of another schema", otherSchema},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Load(f.bar, c.bytes)) << c.name;
        EXPECT_TRUE(before == Summarise(f.bar)) << c.name << ": the bar is unchanged";
    }
}

// A lone button record, with its class record.
std::string StoreButton(CWTKOutlookButton& button)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << &button;
        ar << static_cast<int>(0x5A5A);  // what follows the button in a longer archive
        ar.Close();
    }
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// The button read back and the value that followed it; null when loading threw.
std::unique_ptr<CWTKOutlookButton> LoadButton(const std::string& bytes, int& nNext)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    try {
        CArchive ar(&file, CArchive::load);
        std::unique_ptr<CWTKOutlookButton> pButton(
            static_cast<CWTKOutlookButton*>(ar.ReadObject(RUNTIME_CLASS(CWTKOutlookButton))));
        ar >> nNext;
        return pButton;
    } catch (CArchiveException&) {
        return nullptr;
    }
}

class CVersionedWorkspace : public CWTKWorkspace {
public:
    CVersionedWorkspace(int nMajor, int nMinor)
    {
        m_iSavedVersionMajor = nMajor;
        m_iSavedVersionMinor = nMinor;
    }
};

// The page id follows the button's fields only in saved data newer than 4.70 (or without a version
// record); a record reads back in step whichever layout it has, and a record of another schema is
// refused.
TEST(OutlookBarArchive, AButtonRecordCarriesThePageInDataNewerThan470)
{
    const struct {
        int nMajor, nMinor;
        bool bPageId;
    } cases[] = {{-1, -1, true}, {3, 90, false}, {4, 70, false}, {4, 71, true}, {5, 0, true}, {6, 31, true}};
    size_t nWith = 0, nWithout = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nMajor << "." << c.nMinor);
        CVersionedWorkspace workspace(c.nMajor, c.nMinor);
        CWTKOutlookButton button(kCmdFirst, 2, "Inbox", kPageCalendar);
        const std::string bytes = StoreButton(button);
        (c.bPageId ? nWith : nWithout) = bytes.size();
        // The class record: tag 0xFFFF, the schema (16 bits), the name's length and the name.
        const size_t nSchemaAt = 2;
        EXPECT_EQ(1, bytes[nSchemaAt]);
        EXPECT_EQ(0, bytes[nSchemaAt + 1]);

        int nNext = 0;
        std::unique_ptr<CWTKOutlookButton> pLoaded = LoadButton(bytes, nNext);
        ASSERT_NE(nullptr, pLoaded);
        EXPECT_EQ(c.bPageId ? kPageCalendar : 0u, pLoaded->m_uiPageID);
        EXPECT_EQ(kCmdFirst, pLoaded->m_nID);
        EXPECT_EQ(0x5A5A, nNext) << "the data after the button is read in step";

        std::string otherSchema = bytes;
        otherSchema[nSchemaAt] = 2;
        EXPECT_EQ(nullptr, LoadButton(otherSchema, nNext));
    }
    EXPECT_EQ(nWith, nWithout + sizeof(int)) << "the page id is the only difference";
}

TEST(OutlookBarArchive, CopiesAndComparisonsIncludeThePage)
{
    CWTKOutlookButton a(kCmdFirst, 0, "A", kPageMail);
    CWTKOutlookButton b(kCmdFirst, 0, "A", kPageNotes);
    EXPECT_FALSE(a.CompareWith(b)) << "same command on another page is another button";
    b.CopyFrom(a);
    EXPECT_EQ(kPageMail, b.m_uiPageID);
    EXPECT_TRUE(a.CompareWith(b));
}

// ---- The gallery picture ----

TEST(OutlookBarGallery, ABarDockedInAToolkitFrame)
{
    auto* pFrame = new COutlookGalleryFrame;
    ASSERT_TRUE(pFrame->CreateGallery("Outlook bar", 420, 380));
    COutlookGalleryFrame& frame = *pFrame;
    CWTKOutlookBar& bar = frame.m_wndOutlookBar;
    ASSERT_TRUE(bar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_LEFT | WS_CAPTION));
    bar.SetBarWidth(130);
    SetTestImages(bar);
    bar.AddPage(kPageMail, "Mail");
    bar.AddPage(kPageCalendar, "Calendar");
    bar.AddPage(kPageNotes, "Notes");
    const char* names[] = {"Inbox", "Sent items", "Drafts", "Deleted items"};
    for (int i = 0; i < 4; i++)
        bar.AddButton(kPageMail, kCmdFirst + static_cast<UINT>(i), i, names[i]);
    bar.AddButton(kPageCalendar, kCmdFirst + 10, 1, "Today");
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&bar, FW_IDW_DOCKBAR_LEFT);
    frame.RecalcLayout();
    bar.SetCheckedButton(kCmdFirst);
    PumpPending();

    EXPECT_TRUE(bar.HasCaptionStrip());
    CRect rectBar;
    bar.GetWindowRect(rectBar);
    EXPECT_EQ(130, rectBar.Width()) << "the docked bar keeps its width";
    EXPECT_TRUE(SaveWindowPicture(&frame, "gallery_outlook_bar.png"));
    frame.DestroyWindow();
}

}  // namespace
