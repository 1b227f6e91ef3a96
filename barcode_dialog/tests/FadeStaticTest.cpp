// The fading static: its colour arithmetic, its timer against a controllable clock, and what
// it paints into a memory bitmap.
#include "Canvas.h"
#include "FadeStatic.h"
#include "HostWindow.h"
#include "TestClock.h"

#include <gtest/gtest.h>

TEST(FadeColor, StepsTable)
{
    struct Row {
        COLORREF colour;
        DWORD elapsedMs;
        COLORREF expected;
    } rows[] = {
        {RGB(0, 0, 0), 0, RGB(255, 255, 255)},         // step 0 is white
        {RGB(0, 0, 0), 9, RGB(255, 255, 255)},         // still step 0
        {RGB(0, 0, 0), 200, RGB(205, 205, 205)},       // 20 x 255 x 0.01f truncates to 50
        {RGB(0, 0, 0), 500, RGB(128, 128, 128)},       // 127.49... truncates to 127
        {RGB(255, 0, 0), 200, RGB(255, 205, 205)},     // a channel at 255 stays
        {RGB(100, 50, 200), 500, RGB(178, 153, 228)},  // 77.5 -> 77, 102.5 -> 102, 27.5 -> 27
        {RGB(0, 0, 0), 990, RGB(3, 3, 3)},             // step 99: 252.45 -> 252
        {RGB(0, 0, 0), 999, RGB(3, 3, 3)},
        {RGB(0, 0, 0), 1000, RGB(0, 0, 0)},  // step 100: the colour itself
        {RGB(10, 20, 30), 5000, RGB(10, 20, 30)},
        {RGB(0, 0, 0), 0xFFFFFFF0u, RGB(0, 0, 0)},  // far past the end
    };
    for (const Row& row : rows)
        EXPECT_EQ(CFadeStatic::FadeColor(row.colour, row.elapsedMs), row.expected)
            << "colour " << std::hex << row.colour << std::dec << " after " << row.elapsedMs << " ms";
}

class FadeStaticTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.Set(1000);
        fade.SubclassWindow(host.AddChild("STATIC", "", 0, 1022, 200, 60));
    }
    void TearDown() override { fade.DestroyWindow(); }

    void Tick() { fade.SendMessage(WM_TIMER, 500, 0); }
    // True when timer 500 was still running (it is gone afterwards).
    bool TimerWasRunning() { return ::KillTimer(fade.m_hWnd, 500) != FALSE; }

    TestClock clock;
    HostWindow host;
    CFadeStatic fade;
};

TEST_F(FadeStaticTest, SetTextRestartsTheFadeFontAndColourChangesDoNot)
{
    fade.SetText("(ABC)");
    EXPECT_TRUE(TimerWasRunning());
    EXPECT_EQ(fade.GetFadeColor(), RGB(255, 255, 255));

    clock.Advance(200);
    EXPECT_EQ(fade.GetFadeColor(), RGB(205, 205, 205));
    fade.SetBarcodeFont("TolvekVantrixM", 12);
    EXPECT_TRUE(TimerWasRunning());
    EXPECT_EQ(fade.GetFadeColor(), RGB(205, 205, 205));
    fade.SetColor(RGB(255, 0, 0));
    EXPECT_TRUE(TimerWasRunning());
    EXPECT_EQ(fade.GetFadeColor(), RGB(255, 205, 205));

    // The same text again starts from white.
    fade.SetText("(ABC)");
    EXPECT_EQ(fade.GetFadeColor(), RGB(255, 255, 255));
    EXPECT_EQ(fade.GetText(), CString("(ABC)"));
}

TEST_F(FadeStaticTest, TimerStopsAtItsFirstTickAfterTheSecond)
{
    fade.SetText("X");
    clock.Advance(1000);
    Tick();  // exactly one second: not more than 1000 ms yet
    EXPECT_TRUE(TimerWasRunning());

    fade.SetText("X");
    clock.Advance(1001);
    Tick();
    EXPECT_FALSE(TimerWasRunning());

    // A colour change after the fade repaints once and stops at the next tick.
    fade.SetColor(RGB(0, 0, 255));
    Tick();
    EXPECT_FALSE(TimerWasRunning());
}

TEST_F(FadeStaticTest, TickCounterWrapDuringTheFade)
{
    clock.Set(0xFFFFFF00u);
    fade.SetText("X");
    clock.Set(0x00000010u);  // 272 ms later, across the wrap
    EXPECT_EQ(fade.GetFadeColor(), CFadeStatic::FadeColor(RGB(0, 0, 0), 272));
    Tick();
    EXPECT_TRUE(TimerWasRunning());

    clock.Set(0xFFFFFF00u);
    fade.SetText("X");
    clock.Set(0x00000300u);  // 1024 ms after the start
    Tick();
    EXPECT_FALSE(TimerWasRunning());
}

TEST_F(FadeStaticTest, EmptyTextPaintsPlainWhite)
{
    Canvas canvas(200, 60, RGB(0, 128, 0));
    fade.Paint(canvas.DC());
    EXPECT_EQ(canvas.Count(RGB(255, 255, 255)), 200 * 60);

    fade.SetText("ABC");
    fade.Clear();
    EXPECT_TRUE(fade.GetText().IsEmpty());
    canvas.Fill(RGB(0, 128, 0));
    fade.Paint(canvas.DC());
    EXPECT_EQ(canvas.Count(RGB(255, 255, 255)), 200 * 60);
}

TEST_F(FadeStaticTest, TextIsCentredInTheFadeColour)
{
    fade.SetColor(RGB(0, 0, 0));
    fade.SetText("WWWW");
    clock.Advance(200);
    Canvas canvas(200, 60, RGB(0, 128, 0));
    fade.Paint(canvas.DC());

    EXPECT_GT(canvas.Count(RGB(205, 205, 205)), 10);
    EXPECT_EQ(canvas.Count(RGB(0, 0, 0)), 0);
    const RECT text = canvas.BoundsOfOther(RGB(255, 255, 255));
    ASSERT_LT(text.left, text.right);
    EXPECT_NEAR(text.left + text.right, 200, 3);
    EXPECT_NEAR(text.top + text.bottom, 60, 4);

    clock.Advance(1000);
    fade.Paint(canvas.DC());
    EXPECT_GT(canvas.Count(RGB(0, 0, 0)), 10);
}

TEST_F(FadeStaticTest, AmpersandIsDrawnNotTakenAsAPrefix)
{
    // With prefix processing "&&" would draw a single "&": compare widths.
    fade.SetText("&&&&");
    clock.Advance(2000);
    Canvas doubled(200, 60, RGB(255, 255, 255));
    fade.Paint(doubled.DC());
    fade.SetText("&&");
    clock.Advance(2000);
    Canvas single(200, 60, RGB(255, 255, 255));
    fade.Paint(single.DC());
    const RECT four = doubled.BoundsOfOther(RGB(255, 255, 255));
    const RECT two = single.BoundsOfOther(RGB(255, 255, 255));
    EXPECT_GT(four.right - four.left, (two.right - two.left) * 3 / 2);
}
