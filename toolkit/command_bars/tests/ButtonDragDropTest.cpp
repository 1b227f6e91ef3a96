// Buttons as drag data, the drop target's gate and the drag source's cursors.
#include "command_bars/WTKButtonDragSource.h"
#include "command_bars/WTKButtonDropTarget.h"
#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKToolbarButton.h"
#include "command_bars/res/WTKCommandBarsRes.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/SharedFile.h"
#include "ole/OleDataObject.h"
#include "ole/OleDataSource.h"
#include "ole/OleInit.h"
#include "win/Wnd.h"

#include "Canvas.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

// Buttons that count how many of them are alive, so that a half-read one is seen to go.
class CCountingButton : public CWTKToolbarButton {
    DECLARE_SERIAL(CCountingButton)
public:
    CCountingButton() { s_nAlive++; }
    ~CCountingButton() override { s_nAlive--; }
    void Serialize(CArchive& ar) override
    {
        CWTKToolbarButton::Serialize(ar);
        if (ar.IsLoading())
            ar >> m_strMore;
        else
            ar << m_strMore;
    }
    CString m_strMore;
    static int s_nAlive;
};
int CCountingButton::s_nAlive = 0;
IMPLEMENT_SERIAL(CCountingButton, CWTKToolbarButton, kToolbarButtonSchema)

// A storable class that is not a button.
class CNotAButton : public CObject {
    DECLARE_SERIAL(CNotAButton)
public:
    CNotAButton() { s_nMade++; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_n;
        else
            ar >> m_n;
    }
    int m_n = 1;
    static int s_nMade;
};
int CNotAButton::s_nMade = 0;
IMPLEMENT_SERIAL(CNotAButton, CObject, 1)

// A button that cannot be written.
class CFailingButton : public CWTKToolbarButton {
public:
    void Serialize(CArchive&) override { throw CArchiveException(CArchiveException::genericException); }
};

namespace {

class DragDataTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FwOleInit()); }
    void TearDown() override { FwOleTerm(); }

    // The button read back from a data source, through its data object as a receiver sees it.
    static std::unique_ptr<CWTKToolbarButton> ReadBack(COleDataSource& source)
    {
        COleDataObject data;
        data.Attach(source.GetDataObject(), FALSE);
        return CWTKToolbarButton::CreateFromOleData(&data);
    }
    // Offers bytes under the button format.
    static void Offer(COleDataSource& source, const std::string& bytes)
    {
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, bytes.size() ? bytes.size() : 1);
        std::memcpy(::GlobalLock(h), bytes.data(), bytes.size());
        ::GlobalUnlock(h);
        source.CacheGlobalData(CWTKToolbarButton::GetClipboardFormat(), h);
    }
    // The drag data of a button, as bytes.
    static std::string DragBytes(CWTKToolbarButton& button)
    {
        COleDataSource source;
        EXPECT_TRUE(button.PrepareDrag(source));
        COleDataObject data;
        data.Attach(source.GetDataObject(), FALSE);
        HGLOBAL h = data.GetGlobalData(CWTKToolbarButton::GetClipboardFormat());
        if (!h)
            return std::string();
        std::string bytes(static_cast<const char*>(::GlobalLock(h)), ::GlobalSize(h));
        ::GlobalUnlock(h);
        ::GlobalFree(h);
        return bytes;
    }
    // Bytes of a class record and object written as drag data would be.
    static std::string RecordBytes(CObject& object)
    {
        CSharedFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar.WriteClass(object.GetRuntimeClass());
            object.Serialize(ar);
            ar.Close();
        }
        HGLOBAL h = file.Detach();
        std::string bytes(static_cast<const char*>(::GlobalLock(h)), ::GlobalSize(h));
        ::GlobalUnlock(h);
        ::GlobalFree(h);
        return bytes;
    }
};

TEST_F(DragDataTest, ClipboardFormatIsRegisteredOnceUnderTheModulesName)
{
    const CLIPFORMAT cf = CWTKToolbarButton::GetClipboardFormat();
    EXPECT_NE(cf, 0);
    EXPECT_EQ(CWTKToolbarButton::GetClipboardFormat(), cf);
    char szName[64] = {};
    ASSERT_GT(::GetClipboardFormatNameA(cf, szName, sizeof(szName)), 0);
    char szExpected[64];
    std::snprintf(szExpected, sizeof(szExpected), "WTKToolbarButton%lx",
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(::GetModuleHandleA(nullptr))));
    EXPECT_STREQ(szName, szExpected);
}

TEST_F(DragDataTest, RoundTripKeepsClassAndFields)
{
    CCountingButton button;
    button.m_nID = 40002;
    button.m_nStyle = TBBS_CHECKBOX;
    button.m_bUserButton = TRUE;
    button.SetImage(2);
    button.m_strText = "&Print\tCtrl+P";
    button.m_bText = TRUE;
    button.m_bDragFromCollection = TRUE;
    button.m_strMore = "more";

    COleDataSource source;
    ASSERT_TRUE(button.PrepareDrag(source));
    std::unique_ptr<CWTKToolbarButton> pRead = ReadBack(source);
    ASSERT_NE(pRead, nullptr);
    ASSERT_TRUE(pRead->IsKindOf(RUNTIME_CLASS(CCountingButton)));
    EXPECT_EQ(pRead->m_nID, 40002u);
    EXPECT_EQ(pRead->m_nStyle, TBBS_CHECKBOX);
    EXPECT_TRUE(pRead->m_bUserButton);
    EXPECT_EQ(pRead->GetImage(), 2);
    EXPECT_STREQ(pRead->m_strText, "&Print\tCtrl+P");
    EXPECT_TRUE(pRead->m_bDragFromCollection);
    EXPECT_STREQ(static_cast<CCountingButton*>(pRead.get())->m_strMore, "more");

    // A button that is not stored adds nothing and says so.
    class CUnstored : public CWTKToolbarButton {
    public:
        BOOL CanBeStored() const override { return FALSE; }
    } unstored;
    COleDataSource empty;
    EXPECT_TRUE(unstored.PrepareDrag(empty));
    EXPECT_EQ(ReadBack(empty), nullptr);
}

TEST_F(DragDataTest, WriteFailureCachesNothing)
{
    CFailingButton button;
    button.m_nID = 7;
    COleDataSource source;
    EXPECT_FALSE(button.PrepareDrag(source));
    COleDataObject data;
    data.Attach(source.GetDataObject(), FALSE);
    EXPECT_FALSE(data.IsDataAvailable(CWTKToolbarButton::GetClipboardFormat()));
}

TEST_F(DragDataTest, DamagedOrForeignDataGivesNoButton)
{
    CCountingButton button;
    button.m_nID = 9;
    button.m_strText = "Nine";
    button.m_strMore = "tail";
    const std::string good = DragBytes(button);
    ASSERT_GT(good.size(), 20u);

    CNotAButton foreign;
    const std::string foreignBytes = RecordBytes(foreign);
    // A class record naming a class the process does not know.
    std::string unknown = good;
    const size_t at = unknown.find("CCountingButton");
    ASSERT_NE(at, std::string::npos);
    unknown.replace(at, 15, "CUnknownButtonX");
    // A text length that claims far more than the data holds.
    std::string longText = good;
    const size_t atText = longText.find("Nine");
    ASSERT_NE(atText, std::string::npos);
    longText.replace(atText - 1, 1, std::string("\xFF\xFF\xFF\xFF\xFF\x7F", 7));

    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"truncated in the derived fields", good.substr(0, good.size() - 3)},
        {"truncated in the base fields", good.substr(0, good.size() / 2)},
        {"a class that is not a button", foreignBytes},
        {"an unknown class", unknown},
        {"a length beyond the data", longText},
        {"random bytes", std::string("\x12\xFF\x00\x34\x56\x78\x9A\xBC\xDE\xF0", 10)},
        {"a single byte", std::string(1, '\xFF')},
        {"a block far larger than a button", good + std::string(200 * 1024, '\0')},
    };
    const int nMadeBefore = CNotAButton::s_nMade;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        COleDataSource source;
        Offer(source, c.bytes);
        const int nAliveBefore = CCountingButton::s_nAlive;
        EXPECT_EQ(ReadBack(source), nullptr);
        EXPECT_EQ(CCountingButton::s_nAlive, nAliveBefore);  // a half-read button is deleted
    }
    EXPECT_EQ(CNotAButton::s_nMade, nMadeBefore);  // refused before anything was made

    // Data without the button format, and no data object at all.
    COleDataSource none;
    EXPECT_EQ(ReadBack(none), nullptr);
    EXPECT_EQ(CWTKToolbarButton::CreateFromOleData(nullptr), nullptr);
}

// ---- The drop target ----

// A toolbar stand-in that answers set effects and logs what reaches it.
class CRecordingSite : public CWTKButtonDropSite {
public:
    DROPEFFECT OnDragEnter(COleDataObject*, DWORD, CPoint) override
    {
        m_log.push_back("enter");
        return m_dropAnswer;
    }
    DROPEFFECT OnDragOver(COleDataObject*, DWORD, CPoint) override
    {
        m_log.push_back("over");
        return m_dropAnswer;
    }
    void OnDragLeave() override { m_log.push_back("leave"); }
    BOOL OnDrop(COleDataObject*, DROPEFFECT dropEffect, CPoint) override
    {
        m_log.push_back("drop " + std::to_string(dropEffect));
        return m_bAccept;
    }
    DROPEFFECT m_dropAnswer = DROPEFFECT_MOVE;
    BOOL m_bAccept = TRUE;
    std::vector<std::string> m_log;
};

class DropTargetTest : public DragDataTest {
protected:
    void SetUp() override
    {
        DragDataTest::SetUp();
        LPCSTR lpszClass = CWnd::RegisterWndClass(0);
        ASSERT_TRUE(m_wnd.CreateEx(0, lpszClass, "bar", WS_POPUP, 0, 0, 100, 30, nullptr, nullptr));
        ASSERT_TRUE(m_target.Register(&m_wnd, &m_site));
        m_pDropTarget = m_target.GetDropTarget();
        CWTKToolbarButton button(33, -1, "Button", FALSE, TRUE);
        ASSERT_TRUE(button.PrepareDrag(m_buttonData));
        m_otherData.CacheGlobalData(CF_TEXT, ::GlobalAlloc(GMEM_MOVEABLE, 4));
    }
    void TearDown() override
    {
        WTKCustomizeModeFlag() = FALSE;
        m_target.Revoke();
        m_wnd.DestroyWindow();
        DragDataTest::TearDown();
    }

    // Enter, over and drop with the allowed effects; the three answers.
    std::vector<DWORD> Drag(COleDataSource& source, DWORD dwAllowed, DWORD dwKeys = MK_LBUTTON)
    {
        std::vector<DWORD> answers;
        DWORD dwEffect = dwAllowed;
        EXPECT_EQ(S_OK, m_pDropTarget->DragEnter(source.GetDataObject(), dwKeys, POINTL {5, 5}, &dwEffect));
        answers.push_back(dwEffect);
        dwEffect = dwAllowed;
        EXPECT_EQ(S_OK, m_pDropTarget->DragOver(dwKeys, POINTL {6, 6}, &dwEffect));
        answers.push_back(dwEffect);
        dwEffect = dwAllowed;
        EXPECT_EQ(S_OK, m_pDropTarget->Drop(source.GetDataObject(), 0, POINTL {7, 7}, &dwEffect));
        answers.push_back(dwEffect);
        return answers;
    }

    CWnd m_wnd;
    CRecordingSite m_site;
    CWTKButtonDropTarget m_target;
    IDropTarget* m_pDropTarget = nullptr;
    COleDataSource m_buttonData;
    COleDataSource m_otherData;
};

TEST_F(DropTargetTest, CustomiseModeOffRefusesEverythingButLeaveReachesTheBar)
{
    WTKCustomizeModeFlag() = FALSE;
    const std::vector<DWORD> none = {DROPEFFECT_NONE, DROPEFFECT_NONE, DROPEFFECT_NONE};
    EXPECT_EQ(Drag(m_buttonData, DROPEFFECT_COPY | DROPEFFECT_MOVE), none);
    EXPECT_EQ(Drag(m_otherData, DROPEFFECT_COPY | DROPEFFECT_MOVE), none);
    EXPECT_TRUE(m_site.m_log.empty());
    EXPECT_EQ(S_OK, m_pDropTarget->DragLeave());
    EXPECT_EQ(m_site.m_log, std::vector<std::string>({"leave"}));
}

TEST_F(DropTargetTest, CustomiseModeForwardsButtonsOnlyWithinTheAllowedEffects)
{
    WTKCustomizeModeFlag() = TRUE;
    const DWORD copyMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    struct Case {
        const char* name;
        DROPEFFECT answer;
        BOOL bAccept;
        DWORD dwAllowed;
        std::vector<DWORD> expected;  // enter, over, drop
    } cases[] = {
        {"move accepted", DROPEFFECT_MOVE, TRUE, copyMove, {DROPEFFECT_MOVE, DROPEFFECT_MOVE, DROPEFFECT_MOVE}},
        {"copy accepted", DROPEFFECT_COPY, TRUE, copyMove, {DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY}},
        {"drop refused", DROPEFFECT_MOVE, FALSE, copyMove, {DROPEFFECT_MOVE, DROPEFFECT_MOVE, DROPEFFECT_NONE}},
        {"link never offered", DROPEFFECT_LINK, TRUE, copyMove, {DROPEFFECT_NONE, DROPEFFECT_NONE, DROPEFFECT_NONE}},
        {"move where only copy is allowed",
         DROPEFFECT_MOVE,
         TRUE,
         DROPEFFECT_COPY,
         {DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY}},
        {"nothing allowed",
         DROPEFFECT_MOVE,
         TRUE,
         DROPEFFECT_NONE,
         {DROPEFFECT_NONE, DROPEFFECT_NONE, DROPEFFECT_NONE}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_site.m_dropAnswer = c.answer;
        m_site.m_bAccept = c.bAccept;
        EXPECT_EQ(Drag(m_buttonData, c.dwAllowed), c.expected);
        for (DWORD dwEffect : Drag(m_buttonData, c.dwAllowed))
            EXPECT_EQ(dwEffect & ~c.dwAllowed, 0u);
    }

    // Data without the button format is refused and never reaches the bar.
    m_site.m_log.clear();
    m_site.m_dropAnswer = DROPEFFECT_MOVE;
    EXPECT_EQ(Drag(m_otherData, copyMove), std::vector<DWORD>({DROPEFFECT_NONE, DROPEFFECT_NONE, DROPEFFECT_NONE}));
    EXPECT_TRUE(m_site.m_log.empty());

    // Called directly: the default effect when it is allowed, nothing when it is not, and the
    // bar is not asked to drop an effect the source refused.
    COleDataObject data;
    data.Attach(m_buttonData.GetDataObject(), FALSE);
    EXPECT_EQ(m_target.OnDropEx(&m_wnd, &data, DROPEFFECT_COPY, copyMove, CPoint(1, 1)), DROPEFFECT_COPY);
    m_site.m_log.clear();
    EXPECT_EQ(m_target.OnDropEx(&m_wnd, &data, DROPEFFECT_MOVE, DROPEFFECT_COPY, CPoint(1, 1)), DROPEFFECT_NONE);
    EXPECT_TRUE(m_site.m_log.empty());
}

TEST_F(DropTargetTest, LeaveWithoutEnterIsSafe)
{
    EXPECT_EQ(S_OK, m_pDropTarget->DragLeave());
    EXPECT_EQ(m_site.m_log, std::vector<std::string>({"leave"}));
    // A target that was never registered with a bar.
    CWTKButtonDropTarget lone;
    lone.OnDragLeave(nullptr);
    EXPECT_EQ(lone.OnDragEnter(nullptr, nullptr, 0, CPoint(0, 0)), DROPEFFECT_NONE);
}

// ---- The drag source ----

TEST(ButtonDragSourceTest, CursorFollowsTheEffectWithTheScrollBitMasked)
{
    CWTKButtonDragSource source;
    // Before the cursors are loaded the system draws its own.
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_MOVE), DRAGDROP_S_USEDEFAULTCURSORS);

    source.LoadCursors();
    ASSERT_NE(source.m_hcurDelete, nullptr);
    ASSERT_NE(source.m_hcurMove, nullptr);
    ASSERT_NE(source.m_hcurCopy, nullptr);
    EXPECT_NE(source.m_hcurDelete, source.m_hcurMove);
    EXPECT_NE(source.m_hcurMove, source.m_hcurCopy);

    struct Case {
        DROPEFFECT effect;
        HCURSOR expected;
    } cases[] = {
        {DROPEFFECT_NONE, source.m_hcurDelete},
        {DROPEFFECT_COPY, source.m_hcurCopy},
        {DROPEFFECT_MOVE, source.m_hcurMove},
        {DROPEFFECT_LINK, source.m_hcurDelete},
        {DROPEFFECT_SCROLL, source.m_hcurDelete},
        {DROPEFFECT_SCROLL | DROPEFFECT_COPY, source.m_hcurCopy},
        {DROPEFFECT_SCROLL | DROPEFFECT_MOVE, source.m_hcurMove},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "effect " << std::hex << c.effect);
        ::SetCursor(nullptr);
        EXPECT_EQ(source.GiveFeedback(c.effect), S_OK);
        EXPECT_EQ(::GetCursor(), c.expected);
    }

    // While a drop would delete, every continue question shows the delete cursor.
    ::SetCursor(source.m_hcurCopy);
    EXPECT_EQ(source.QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
    EXPECT_EQ(::GetCursor(), source.m_hcurDelete);
    EXPECT_EQ(source.QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_TRUE(source.m_bEscapePressed);
    EXPECT_EQ(source.QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);

    // The cursors as a person sees them.
    Canvas canvas(3 * 40, 40, RGB(0, 128, 128));
    HCURSOR cursors[] = {source.m_hcurDelete, source.m_hcurMove, source.m_hcurCopy};
    for (int i = 0; i < 3; i++)
        ::DrawIconEx(canvas.Handle(), 4 + 40 * i, 4, cursors[i], 32, 32, 0, nullptr, DI_NORMAL);
    EXPECT_TRUE(canvas.Contains(kWhite));
    EXPECT_TRUE(canvas.Contains(kBlack));
    const std::string folder = ScreenshotFolder();
    Canvas large(4 * canvas.Width(), 4 * canvas.Height());
    ::StretchBlt(large.Handle(), 0, 0, large.Width(), large.Height(), canvas.Handle(), 0, 0, canvas.Width(),
                 canvas.Height(), SRCCOPY);
    EXPECT_TRUE(large.WritePng(folder + "\\button_drag_cursors.png"));

    EXPECT_EQ(&WTKGetButtonDragSource(), &WTKGetButtonDragSource());
}

}  // namespace
