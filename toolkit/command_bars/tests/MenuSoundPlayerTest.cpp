// CWTKMenuSoundPlayer with a fake sound function: the worker starts at the first sound, plays
// the right alias, a stop before any sound starts nothing, a stop that arrives while a sound
// plays ends the worker for good, the sounds switch silences the process's player, and that
// player is stopped by the global data's clean-up and finished by the toolkit's, which also
// empties the process's command manager and closes its snapshot files. Waits are bounded only so that a fault fails the test
// instead of hanging it.
#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKMenuSoundPlayer.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarSnapshotStore.h"
#include "core/Handle.h"
#include "foundation/WTKCleanUp.h"
#include "foundation/WTKGlobalData.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <mutex>
#include <string>
#include <vector>

namespace {

// Longest a fault may keep a test waiting.
constexpr DWORD kFaultWaitMs = 10000;
const char kPurge[] = "<purge>";

// What the worker played, in order. The fake may hold a sound "playing" until it is let go.
class FakeSounds {
public:
    FakeSounds()
    {
        m_played.Attach(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
        m_release.Attach(::CreateEventA(nullptr, TRUE, TRUE, nullptr));
    }
    static FakeSounds*& Current()
    {
        static FakeSounds* pCurrent = nullptr;
        return pCurrent;
    }
    static BOOL Play(LPCSTR pszSound, DWORD fdwSound)
    {
        FakeSounds* pSelf = Current();
        {
            std::lock_guard<std::mutex> lock(pSelf->m_lock);
            if (pszSound)
                pSelf->m_calls.push_back(fdwSound == CWTKMenuSoundPlayer::kPlayFlags ? pszSound : "<bad flags>");
            else
                pSelf->m_calls.push_back(fdwSound == SND_PURGE ? kPurge : "<bad purge>");
        }
        ::SetEvent(pSelf->m_played);
        if (pszSound)
            ::WaitForSingleObject(pSelf->m_release, kFaultWaitMs);
        return TRUE;
    }
    // Waits until the fake has been called n times in all.
    bool WaitForCalls(size_t nCalls)
    {
        for (;;) {
            if (Calls().size() >= nCalls)
                return true;
            if (::WaitForSingleObject(m_played, kFaultWaitMs) != WAIT_OBJECT_0)
                return Calls().size() >= nCalls;
        }
    }
    std::vector<std::string> Calls()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_calls;
    }
    // Sounds keep "playing" until Release.
    void Hold() { ::ResetEvent(m_release); }
    void Release() { ::SetEvent(m_release); }

private:
    std::mutex m_lock;
    std::vector<std::string> m_calls;
    CHandle m_played;
    CHandle m_release;
};

class MenuSoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override { FakeSounds::Current() = &m_sounds; }
    void TearDown() override { FakeSounds::Current() = nullptr; }
    FakeSounds m_sounds;
};

using Calls = std::vector<std::string>;

TEST_F(MenuSoundPlayerTest, AStopBeforeAnySoundStartsNothingAndTheFirstSoundStartsTheWorker)
{
    CWTKMenuSoundPlayer player(FakeSounds::Play);
    player.Request(CWTKMenuSoundPlayer::kStop);
    player.Request(7);  // not a request
    EXPECT_EQ(CWTKMenuSoundPlayer::kNoThread, player.GetRequest());

    player.Request(CWTKMenuSoundPlayer::kPopupSound);
    ASSERT_TRUE(m_sounds.WaitForCalls(1));
    player.Request(CWTKMenuSoundPlayer::kCommandSound);
    ASSERT_TRUE(m_sounds.WaitForCalls(2));
    EXPECT_TRUE(player.Finish(kFaultWaitMs));
    EXPECT_EQ((Calls {"MenuPopup", "MenuCommand", kPurge}), m_sounds.Calls());
}

TEST_F(MenuSoundPlayerTest, AStopWhileASoundPlaysEndsTheWorkerForGood)
{
    CWTKMenuSoundPlayer player(FakeSounds::Play);
    m_sounds.Hold();
    player.Request(CWTKMenuSoundPlayer::kCommandSound);
    ASSERT_TRUE(m_sounds.WaitForCalls(1));  // playing now
    player.Request(CWTKMenuSoundPlayer::kStop);
    player.Request(CWTKMenuSoundPlayer::kPopupSound);  // after a stop: ignored
    m_sounds.Release();

    // The worker's reset after the sound must not swallow the stop.
    ASSERT_TRUE(m_sounds.WaitForCalls(2)) << "the worker did not end";
    EXPECT_EQ(CWTKMenuSoundPlayer::kStop, player.GetRequest());
    player.Request(CWTKMenuSoundPlayer::kPopupSound);
    EXPECT_EQ(CWTKMenuSoundPlayer::kStop, player.GetRequest());
    EXPECT_TRUE(player.Finish(kFaultWaitMs));
    EXPECT_EQ((Calls {"MenuCommand", kPurge}), m_sounds.Calls());
}

TEST_F(MenuSoundPlayerTest, NoWorkerStartsAfterFinish)
{
    CWTKMenuSoundPlayer player(FakeSounds::Play);
    EXPECT_TRUE(player.Finish(0));
    player.Request(CWTKMenuSoundPlayer::kPopupSound);
    EXPECT_EQ(CWTKMenuSoundPlayer::kStop, player.GetRequest());
    EXPECT_TRUE(m_sounds.Calls().empty());
}

// A toolbar's command asks the process's player for the command sound: while sounds are off it
// neither starts the worker nor stores a request; switched on again, the next command plays.
TEST_F(MenuSoundPlayerTest, AToolbarCommandPlaysNothingWhileSoundsAreOff)
{
    CWTKMenuSoundPlayer& player = CWTKMenuSoundPlayer::GetProcessPlayer();
    ASSERT_EQ(CWTKMenuSoundPlayer::kNoThread, player.GetRequest()) << "the process's player ran before this test";
    CWTKMenuSoundPlayer::SetSoundFunction(FakeSounds::Play);
    CWTKToolBar bar;
    const UINT ids[] = {101};
    ASSERT_TRUE(bar.SetButtons(ids, 1));

    EXPECT_TRUE(CWTKMenuSoundPlayer::AreSoundsEnabled());
    CWTKMenuSoundPlayer::EnableSounds(FALSE);
    EXPECT_FALSE(CWTKMenuSoundPlayer::AreSoundsEnabled());
    EXPECT_TRUE(bar.SendCommand(bar.GetButton(0)));
    EXPECT_EQ(CWTKMenuSoundPlayer::kNoThread, player.GetRequest());

    CWTKMenuSoundPlayer::EnableSounds(TRUE);
    EXPECT_TRUE(bar.SendCommand(bar.GetButton(0)));
    ASSERT_TRUE(m_sounds.WaitForCalls(1));
    EXPECT_EQ((Calls {"MenuCommand"}), m_sounds.Calls());
    // The worker goes on for the clean-up test below; this test's fake must be left first.
    for (DWORD dwWaited = 0; player.GetRequest() != CWTKMenuSoundPlayer::kIdle && dwWaited < kFaultWaitMs; dwWaited++)
        ::Sleep(1);
}

// The process's services and the toolkit's clean-up; the only test here that runs WTKCleanUp.
TEST_F(MenuSoundPlayerTest, TheToolkitsCleanUpEndsTheProcessServices)
{
    // Made before the program started and known to the workspace.
    EXPECT_EQ(static_cast<CWTKCommandManagerBase*>(WTKGetCmdMgr()), WTKGetCommandManager());
    WTKGetCmdMgr()->EnableMenuItemImage(100, FALSE);

    HMENU hMenu = ::CreatePopupMenu();
    CWTKToolBar bar;
    const UINT ids[] = {101, 102};
    ASSERT_TRUE(bar.SetButtons(ids, 2));
    ASSERT_TRUE(WTKGetToolbarSnapshotStore().Save(hMenu, &bar));

    CWTKMenuSoundPlayer::SetSoundFunction(FakeSounds::Play);
    CWTKMenuSoundPlayer::Play(CWTKMenuSoundPlayer::kPopupSound);
    ASSERT_TRUE(m_sounds.WaitForCalls(1));

    // The global data's clean-up only signals; the toolkit's later step waits and closes.
    WTKGetGlobalData().CleanUp();
    ASSERT_TRUE(m_sounds.WaitForCalls(2));
    WTKCleanUp();
    CWTKMenuSoundPlayer::Play(CWTKMenuSoundPlayer::kCommandSound);
    EXPECT_EQ(CWTKMenuSoundPlayer::kStop, CWTKMenuSoundPlayer::GetProcessPlayer().GetRequest());
    EXPECT_EQ((Calls {"MenuPopup", kPurge}), m_sounds.Calls());
    EXPECT_FALSE(WTKGetCmdMgr()->IsMenuItemWithoutImage(100));
    EXPECT_EQ(0, WTKGetToolbarSnapshotStore().GetCount());
    EXPECT_FALSE(WTKGetToolbarSnapshotStore().Restore(hMenu, &bar));
    ::DestroyMenu(hMenu);
    CWTKMenuSoundPlayer::SetSoundFunction(nullptr);
}

}  // namespace
