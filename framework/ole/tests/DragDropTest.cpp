// Real drags between two windows of this program. The mouse is driven through the
// system's input (SendInput), as a user's hand would drive it, by a script that a timer of
// the test thread plays step by step while that thread sits in the drag loop; a step that
// waits for the drag to get somewhere is tried again at the next tick. Input comes from the
// thread that owns the windows, so the display's echoes of earlier pointer moves are
// recognised as stale and dropped. A watchdog thread makes the drop source give up and
// lets the button go when the script does not end, so no run can hang. The mouse and the
// foreground are the whole display's: the program runs alone (see CMakeLists.txt).
#include "OleTestSupport.h"
#include "win/TickClock.h"

namespace {

// Out of the way of other programs' windows on the same display.
const RECT kSourceRect = {1000, 780, 1110, 860};
const RECT kDropRect = {1140, 780, 1250, 860};
const POINT kRestPoint = {1270, 1015};  // where the hand rests between drags: no window there
const UINT kTickMs = 10;
const DWORD kScriptTimeout = 60000;  // a safety net only: no step waits for time to pass

// The drag delay never passes: a drag starts only when the mouse leaves the start rectangle.
DWORD FrozenClock()
{
    return 0;
}

POINT CentreOf(const RECT& rect)
{
    return POINT {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void SendMouse(DWORD dwFlags, POINT point = POINT {0, 0})
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    if (dwFlags & MOUSEEVENTF_ABSOLUTE) {
        // The middle of the pixel in the 0..65535 range that absolute moves use.
        const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = (point.x * 65536 + 32768) / cx;
        input.mi.dy = (point.y * 65536 + 32768) / cy;
    }
    ::SendInput(1, &input, sizeof(input));
}

// A drop source that also gives up when the script tells it to.
class CScriptedDropSource : public COleDropSource {
public:
    volatile LONG m_nGiveUp = 0;

    SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override
    {
        if (::InterlockedCompareExchange(&m_nGiveUp, 0, 0))
            return DRAGDROP_S_CANCEL;
        return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
    }
};

// The window a drag starts from: a press on it runs the drag, with the window as the
// start rectangle, as a toolbar does with a button.
class CDragSourceWnd : public CTestWnd {
public:
    COleDataSource m_source;
    CScriptedDropSource m_dropSource;
    DWORD m_dwAllowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    DROPEFFECT m_dropResult = DROPEFFECT_NONE;
    int m_nDrags = 0;
    HANDLE m_hDone = nullptr;

protected:
    void OnLButtonDown(UINT, CPoint)
    {
        CRect rect;
        GetWindowRect(&rect);
        m_dropResult = m_source.DoDragDrop(m_dwAllowed, &rect, &m_dropSource);
        m_nDrags++;
        ::SetEvent(m_hDone);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDragSourceWnd, CTestWnd)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// What the scripted hand does, one step at a time.
enum Step {
    moveToSource,
    moveWithinSource,  // a few pixels, still inside the start rectangle
    moveToTarget,
    press,
    release,
    pressEscape,
    waitUntilOverTarget,
    waitUntilDragDone,
};

class DragDropTest : public OleTest {
protected:
    CDragSourceWnd m_sourceWnd;
    CTestWnd m_targetWnd;
    CRecordingDropTarget m_target;
    FwTickCountFn m_pfnOldClock = nullptr;
    std::string m_strEnterAtCentre;  // the log of an enter at the target's centre, button held
    HANDLE m_hOverTarget = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE m_hDragDone = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE m_hScriptOver = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD m_nUiThreadId = ::GetCurrentThreadId();
    const std::vector<Step>* m_pScript = nullptr;
    size_t m_nStep = 0;           // the next step to play
    POINT m_ptHand = kRestPoint;  // where the script last moved the mouse
    volatile LONG m_nPressed = 0;
    volatile LONG m_nTimedOut = 0;  // set by the watchdog
    static DragDropTest* s_pPlaying;

    void SetUp() override
    {
        OleTest::SetUp();
        m_pfnOldClock = FwSetTickClock(&FrozenClock);
        ASSERT_TRUE(m_sourceWnd.CreateAt(kSourceRect, "drag source"));
        ASSERT_TRUE(m_targetWnd.CreateAt(kDropRect, "drop target"));
        ASSERT_TRUE(m_target.Register(&m_targetWnd));
        m_target.m_hEntered = m_hOverTarget;
        m_sourceWnd.m_hDone = m_hDragDone;
        m_sourceWnd.m_source.CacheGlobalData(PayloadFormat(), MakePayload("button"));
        POINT centre = CentreOf(kDropRect);
        m_targetWnd.ScreenToClient(&centre);
        m_strEnterAtCentre = "enter " + std::to_string(centre.x) + "," + std::to_string(centre.y) + " key 1 payload";
    }
    void TearDown() override
    {
        m_target.Revoke();
        m_targetWnd.DestroyWindow();
        m_sourceWnd.DestroyWindow();
        FwSetTickClock(m_pfnOldClock);
        ::CloseHandle(m_hOverTarget);
        ::CloseHandle(m_hDragDone);
        ::CloseHandle(m_hScriptOver);
        OleTest::TearDown();
    }

    // Plays the script from a timer of this thread, dispatching messages (and so running
    // the drag) until the script is over.
    void Play(const std::vector<Step>& script)
    {
        m_pScript = &script;
        m_nStep = 0;
        m_nPressed = 0;
        m_nTimedOut = 0;
        m_sourceWnd.m_dropSource.m_nGiveUp = 0;
        // Answers of an earlier drag must not stand for this one's.
        ::ResetEvent(m_hOverTarget);
        ::ResetEvent(m_hDragDone);
        ::ResetEvent(m_hScriptOver);
        s_pPlaying = this;
        HANDLE hWatchdog = ::CreateThread(nullptr, 0, &DragDropTest::Watchdog, this, 0, nullptr);
        ASSERT_NE(nullptr, hWatchdog);
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, kTickMs, &DragDropTest::OnTick);
        MSG msg;
        while (::WaitForSingleObject(m_hScriptOver, 0) != WAIT_OBJECT_0 && ::GetMessageA(&msg, nullptr, 0, 0)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::KillTimer(nullptr, nTimer);
        s_pPlaying = nullptr;
        ::SetEvent(m_hScriptOver);
        ::WaitForSingleObject(hWatchdog, INFINITE);
        ::CloseHandle(hWatchdog);
        // The hand leaves the windows, so that none is made or destroyed under the pointer.
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, kRestPoint);
        EXPECT_FALSE(m_nTimedOut) << "the script stopped at step " << m_nStep;
    }

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pPlaying)
            s_pPlaying->PlaySteps();
    }

    // Plays steps until one has to wait for the drag.
    void PlaySteps()
    {
        while (m_nStep < m_pScript->size()) {
            if (!PlayStep((*m_pScript)[m_nStep]))
                return;
            m_nStep++;
        }
        ::SetEvent(m_hScriptOver);
    }

    // FALSE when the step has to wait.
    bool PlayStep(Step step)
    {
        switch (step) {
        case moveToSource:
            MoveHand(CentreOf(kSourceRect));
            return true;
        case moveWithinSource:
            MoveHand(POINT {CentreOf(kSourceRect).x + 5, kSourceRect.top + 5});
            return true;
        case moveToTarget:
            MoveHand(CentreOf(kDropRect));
            return true;
        case press:
            // Pressed and released where the hand is, whatever the pointer did meanwhile.
            SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN, m_ptHand);
            ::InterlockedExchange(&m_nPressed, 1);
            return true;
        case release:
            SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP, m_ptHand);
            ::InterlockedExchange(&m_nPressed, 0);
            return true;
        case pressEscape:
            // The drag loop reads its keys from the thread's queue.
            ::PostThreadMessageA(::GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
            return true;
        case waitUntilOverTarget:
            return ::WaitForSingleObject(m_hOverTarget, 0) == WAIT_OBJECT_0;
        case waitUntilDragDone:
            return ::WaitForSingleObject(m_hDragDone, 0) == WAIT_OBJECT_0;
        }
        return true;
    }

    void MoveHand(POINT point)
    {
        m_ptHand = point;
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point);
    }

    static DWORD WINAPI Watchdog(void* pv)
    {
        DragDropTest* pTest = static_cast<DragDropTest*>(pv);
        if (::WaitForSingleObject(pTest->m_hScriptOver, kScriptTimeout) == WAIT_OBJECT_0)
            return 0;
        ::InterlockedExchange(&pTest->m_nTimedOut, 1);
        // Escape ends the wait for the drag to start and the drag loop, wherever the
        // mouse's input went; the source gives up in case the drag loop misses it.
        ::InterlockedExchange(&pTest->m_sourceWnd.m_dropSource.m_nGiveUp, 1);
        ::PostThreadMessageA(pTest->m_nUiThreadId, WM_KEYDOWN, VK_ESCAPE, 0);
        if (::InterlockedCompareExchange(&pTest->m_nPressed, 0, 0))
            SendMouse(MOUSEEVENTF_LEFTUP);
        ::SetEvent(pTest->m_hScriptOver);
        return 0;
    }
};

DragDropTest* DragDropTest::s_pPlaying = nullptr;

const std::vector<Step> kDropOnTarget = {moveToSource,        press,   moveToTarget,
                                         waitUntilOverTarget, release, waitUntilDragDone};

TEST_F(DragDropTest, DragCarriesTheDataWithTheEffectsKeptWithinTheAllowedOnes)
{
    struct Row {
        const char* name;
        DROPEFFECT answer;
        DWORD allowed;
        DROPEFFECT expected;
        const char* dropped;
    } rows[] = {
        {"copy asked, copy and move allowed", DROPEFFECT_COPY, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY,
         "button"},
        {"move asked, copy and move allowed", DROPEFFECT_MOVE, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE,
         "button"},
        {"move asked, copy allowed", DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_COPY, "button"},
        {"everything refused", DROPEFFECT_NONE, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE, ""},
    };
    for (const Row& row : rows) {
        m_target.m_log.clear();
        m_target.m_strDropped.clear();
        m_target.m_dropAnswer = row.answer;
        m_sourceWnd.m_dwAllowed = row.allowed;
        Play(kDropOnTarget);
        EXPECT_EQ(row.expected, m_sourceWnd.m_dropResult) << row.name;
        EXPECT_EQ(row.dropped, m_target.m_strDropped) << row.name;
        EXPECT_EQ(row.expected != DROPEFFECT_NONE ? 1 : 0, m_target.CountOf("drop ")) << row.name;
        EXPECT_EQ(1, m_target.CountOf("enter")) << row.name;
        ASSERT_FALSE(m_target.m_log.empty()) << row.name;
        EXPECT_EQ(m_strEnterAtCentre, m_target.m_log[0]) << row.name;
    }
    EXPECT_EQ(4, m_sourceWnd.m_nDrags);
}

TEST_F(DragDropTest, EscapeCancelsTheDrag)
{
    Play({moveToSource, press, moveToTarget, waitUntilOverTarget, pressEscape, waitUntilDragDone, release});
    EXPECT_EQ(static_cast<DROPEFFECT>(DROPEFFECT_NONE), m_sourceWnd.m_dropResult);
    EXPECT_EQ(0, m_target.CountOf("drop"));
    EXPECT_EQ(1, m_target.CountOf("leave"));
}

TEST_F(DragDropTest, ReleaseInsideTheStartRectangleNeverStartsTheDrag)
{
    Play({moveToSource, press, moveWithinSource, release, waitUntilDragDone});
    EXPECT_EQ(1, m_sourceWnd.m_nDrags);
    EXPECT_EQ(static_cast<DROPEFFECT>(DROPEFFECT_NONE), m_sourceWnd.m_dropResult);
    EXPECT_TRUE(m_target.m_log.empty());
}

}  // namespace
