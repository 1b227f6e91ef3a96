// The drop target and the drop source called through their COM interfaces, as the
// system's drag loop calls them: registration, effects kept within what the source
// allows, points in client coordinates, drops, refusals, scrolling, and failures that
// stop at the interface.
#include "OleTestSupport.h"
#include "core/ExceptionReport.h"
#include <stdexcept>

namespace {

const RECT kTargetRect = {300, 300, 420, 380};

class DropTargetTest : public OleTest {
protected:
    CTestWnd m_wnd;
    CRecordingDropTarget m_target;
    COleDataSource m_source;
    IDropTarget* m_pDropTarget = nullptr;

    void SetUp() override
    {
        OleTest::SetUp();
        ASSERT_TRUE(m_wnd.CreateAt(kTargetRect, "target"));
        ASSERT_TRUE(m_target.Register(&m_wnd));
        m_pDropTarget = m_target.GetDropTarget();
        m_source.CacheGlobalData(PayloadFormat(), MakePayload("button"));
    }
    void TearDown() override
    {
        m_target.Revoke();
        m_wnd.DestroyWindow();
        OleTest::TearDown();
    }

    // The screen point of a client point of the window.
    POINTL ScreenPoint(int x, int y) const
    {
        POINT point = {x, y};
        m_wnd.ClientToScreen(&point);
        return POINTL {point.x, point.y};
    }
    DWORD Enter(DWORD dwAllowed, DWORD dwKeyState = MK_LBUTTON)
    {
        DWORD dwEffect = dwAllowed;
        EXPECT_EQ(S_OK, m_pDropTarget->DragEnter(m_source.GetDataObject(), dwKeyState, ScreenPoint(5, 6), &dwEffect));
        return dwEffect;
    }
    DWORD Over(DWORD dwAllowed)
    {
        DWORD dwEffect = dwAllowed;
        EXPECT_EQ(S_OK, m_pDropTarget->DragOver(MK_LBUTTON, ScreenPoint(7, 8), &dwEffect));
        return dwEffect;
    }
    DWORD Drop(DWORD dwAllowed)
    {
        DWORD dwEffect = dwAllowed;
        EXPECT_EQ(S_OK, m_pDropTarget->Drop(m_source.GetDataObject(), 0, ScreenPoint(9, 10), &dwEffect));
        return dwEffect;
    }
};

TEST_F(DropTargetTest, RegistrationIsOncePerWindowAndTarget)
{
    CRecordingDropTarget second;
    EXPECT_FALSE(second.Register(&m_wnd)) << "the window is registered already";
    EXPECT_FALSE(m_target.Register(&m_wnd)) << "the target has a window already";
    CWnd noWindow;
    EXPECT_FALSE(second.Register(&noWindow));
    EXPECT_FALSE(second.Register(nullptr));
    m_target.Revoke();
    EXPECT_TRUE(second.Register(&m_wnd)) << "revoked, the window is free again";
    {
        CRecordingDropTarget third;
        second.Revoke();
        EXPECT_TRUE(third.Register(&m_wnd));
    }
    EXPECT_TRUE(m_target.Register(&m_wnd)) << "a destroyed target revokes its window";
}

TEST_F(DropTargetTest, AnswersStayWithinTheEffectsTheSourceAllows)
{
    struct Row {
        DROPEFFECT answer;
        DWORD allowed;
        DWORD expected;
    } rows[] = {
        {DROPEFFECT_COPY, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {DROPEFFECT_MOVE, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_COPY},
        {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {DROPEFFECT_LINK, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE},
        {DROPEFFECT_COPY, DROPEFFECT_LINK, DROPEFFECT_NONE},
        {DROPEFFECT_LINK, DROPEFFECT_LINK, DROPEFFECT_LINK},
        {DROPEFFECT_NONE, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_NONE},
    };
    for (const Row& row : rows) {
        m_target.m_dropAnswer = row.answer;
        const std::string name = "answer " + std::to_string(row.answer) + " allowed " + std::to_string(row.allowed);
        EXPECT_EQ(row.expected, Enter(row.allowed)) << name;
        EXPECT_EQ(row.expected, Over(row.allowed)) << name;
        m_pDropTarget->DragLeave();
    }
}

TEST_F(DropTargetTest, CallsArriveInClientCoordinatesWithTheData)
{
    Enter(DROPEFFECT_COPY, MK_LBUTTON | MK_CONTROL);
    Over(DROPEFFECT_COPY);
    m_pDropTarget->DragLeave();
    const std::vector<std::string> expected = {"enter 5,6 key 9 payload", "over 7,8 key 1 payload", "leave"};
    EXPECT_EQ(expected, m_target.m_log);
}

TEST_F(DropTargetTest, DropTakesTheDataWithTheLastAnswer)
{
    m_target.m_dropAnswer = DROPEFFECT_MOVE;
    Enter(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE), Drop(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ("button", m_target.m_strDropped);
    const std::vector<std::string> expected = {"enter 5,6 key 1 payload", "dropex default 2 list 3", "drop 2 button"};
    EXPECT_EQ(expected, m_target.m_log);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), Over(DROPEFFECT_COPY)) << "the drag is over";
    EXPECT_EQ(0, m_target.CountOf("over"));
}

TEST_F(DropTargetTest, OnDropExThatAnswersReplacesOnDrop)
{
    m_target.m_bUseDropEx = TRUE;
    m_target.m_dropAnswer = DROPEFFECT_COPY;
    Enter(DROPEFFECT_COPY);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), Drop(DROPEFFECT_COPY));
    EXPECT_EQ("button", m_target.m_strDropped);
    EXPECT_EQ(0, m_target.CountOf("drop "));
    m_target.m_dropAnswer = DROPEFFECT_MOVE;
    Enter(DROPEFFECT_COPY);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), Drop(DROPEFFECT_COPY)) << "an effect the source does not allow";
}

TEST_F(DropTargetTest, RefusingTargetIsNeverAskedToDrop)
{
    m_target.m_dropAnswer = DROPEFFECT_NONE;
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), Enter(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), Over(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), Drop(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(0, m_target.CountOf("drop "));
    EXPECT_EQ("", m_target.m_strDropped);
}

TEST_F(DropTargetTest, TruncatedPayloadIsRefusedAtTheDrop)
{
    m_source.CacheGlobalData(PayloadFormat(), MakeTruncatedPayload("button", 6));
    Enter(DROPEFFECT_COPY);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), Drop(DROPEFFECT_COPY));
    EXPECT_EQ(1, m_target.CountOf("drop 1 refused"));
}

TEST_F(DropTargetTest, ScrollingAnswerStandsForTheWholeAnswer)
{
    m_target.m_dropScroll = DROPEFFECT_SCROLL | DROPEFFECT_MOVE;
    EXPECT_EQ(DROPEFFECT_SCROLL | DROPEFFECT_COPY, Enter(DROPEFFECT_COPY));
    EXPECT_EQ(DROPEFFECT_SCROLL | DROPEFFECT_COPY, Over(DROPEFFECT_COPY));
    EXPECT_EQ(0, m_target.CountOf("enter") + m_target.CountOf("over"));
    m_target.m_dropScroll = DROPEFFECT_NONE;
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), Over(DROPEFFECT_COPY));
}

TEST_F(DropTargetTest, OverWithoutEnterIsRefusedUnasked)
{
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), Over(DROPEFFECT_COPY));
    Enter(DROPEFFECT_COPY);
    m_pDropTarget->DragLeave();
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), Over(DROPEFFECT_COPY));
    EXPECT_EQ(0, m_target.CountOf("over"));
}

std::vector<std::string> g_reports;

void RecordReport(LPCSTR lpszWhere, LPCSTR lpszWhat)
{
    g_reports.push_back(std::string(lpszWhere) + ": " + lpszWhat);
}

class CThrowingDropTarget : public CRecordingDropTarget {
public:
    DROPEFFECT OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) override { throw std::runtime_error("over"); }
    DROPEFFECT OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint) override
    {
        throw std::runtime_error("drop");
    }
};

TEST_F(DropTargetTest, FailuresStopAtTheInterfaceAndAreReported)
{
    m_target.Revoke();
    CThrowingDropTarget throwing;
    IDropTarget* pDropTarget = throwing.GetDropTarget();
    ASSERT_TRUE(throwing.Register(&m_wnd));
    g_reports.clear();
    const FwExceptionReportFn pfnOld = FwSetExceptionReport(&RecordReport);
    DWORD dwEffect = DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, pDropTarget->DragEnter(m_source.GetDataObject(), MK_LBUTTON, ScreenPoint(1, 1), &dwEffect));
    dwEffect = DROPEFFECT_COPY;
    EXPECT_EQ(E_UNEXPECTED, pDropTarget->DragOver(MK_LBUTTON, ScreenPoint(2, 2), &dwEffect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), dwEffect);
    dwEffect = DROPEFFECT_COPY;
    EXPECT_EQ(E_UNEXPECTED, pDropTarget->Drop(m_source.GetDataObject(), 0, ScreenPoint(3, 3), &dwEffect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), dwEffect);
    FwSetExceptionReport(pfnOld);
    const std::vector<std::string> expected = {"COM method: over", "COM method: drop"};
    EXPECT_EQ(expected, g_reports);
}

// Made before main, as process-wide drag sources are: construction calls no OLE.
COleDropSource g_dropSource;

TEST(DropSourceTest, DropsOnReleaseAndCancelsOnEscapeOrTheOtherButton)
{
    struct Row {
        const char* name;
        BOOL bEscape;
        DWORD dwKeyState;
        HRESULT expected;
    } rows[] = {
        {"button held", FALSE, MK_LBUTTON, S_OK},
        {"button held with Ctrl", FALSE, MK_LBUTTON | MK_CONTROL, S_OK},
        {"button released", FALSE, 0, DRAGDROP_S_DROP},
        {"released with Ctrl", FALSE, MK_CONTROL, DRAGDROP_S_DROP},
        {"Escape", TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
        {"the other button pressed", FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
    };
    IDropSource* pDropSource = g_dropSource.GetDropSource();
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, pDropSource->QueryContinueDrag(row.bEscape, row.dwKeyState)) << row.name;
    for (DWORD dwEffect : {DROPEFFECT_NONE, DROPEFFECT_COPY, DROPEFFECT_MOVE})
        EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, pDropSource->GiveFeedback(dwEffect)) << "effect " << dwEffect;
}

}  // namespace
