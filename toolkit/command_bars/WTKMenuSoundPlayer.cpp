#include "command_bars/WTKMenuSoundPlayer.h"

#include "foundation/WTKGlobalData.h"

#include <mmsystem.h>
#include <process.h>

namespace {

BOOL SystemSound(LPCSTR pszSound, DWORD fdwSound)
{
    return ::PlaySoundA(pszSound, nullptr, fdwSound);
}

std::atomic<CWTKMenuSoundPlayer::SoundFunction> g_pfnProcessSound {SystemSound};
std::atomic<bool> g_bSoundsEnabled {true};

BOOL ProcessSound(LPCSTR pszSound, DWORD fdwSound)
{
    return g_pfnProcessSound.load()(pszSound, fdwSound);
}

BOOL IsSoundRequest(LONG nRequest)
{
    return nRequest == CWTKMenuSoundPlayer::kCommandSound || nRequest == CWTKMenuSoundPlayer::kPopupSound;
}

// The global data's clean-up asks the worker to stop; it must not wait (the worker may be gone).
void SignalStop()
{
    CWTKMenuSoundPlayer::GetProcessPlayer().Request(CWTKMenuSoundPlayer::kStop);
}

}  // namespace

CWTKMenuSoundPlayer::CWTKMenuSoundPlayer(SoundFunction pfnSound) : m_pfnSound(pfnSound ? pfnSound : SystemSound) {}

CWTKMenuSoundPlayer::~CWTKMenuSoundPlayer()
{
    // The worker uses this object: it must be gone before the object is.
    Finish(INFINITE);
}

void CWTKMenuSoundPlayer::Request(LONG nRequest)
{
    if (nRequest != kStop && !IsSoundRequest(nRequest))
        return;
    for (;;) {
        LONG nCurrent = m_nRequest.load();
        // A stop is for good: neither a later request nor the worker's reset replaces it.
        if (nCurrent == kStop)
            return;
        if (nCurrent != kNoThread) {
            if (m_nRequest.compare_exchange_weak(nCurrent, nRequest))
                return;
            continue;
        }
        // No worker yet: a stop has nothing to stop.
        if (nRequest == kStop)
            return;
        std::lock_guard<std::mutex> lock(m_startLock);
        if (m_nRequest.load() == kNoThread) {
            StartWorker(nRequest);
            return;
        }
        // Another thread started the worker meanwhile: store the request as usual.
    }
}

BOOL CWTKMenuSoundPlayer::StartWorker(LONG nRequest)
{
    unsigned uThreadId = 0;
    HANDLE hThread =
        reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, WorkerThread, this, CREATE_SUSPENDED, &uThreadId));
    // Without a worker the request stays kNoThread, so a later request tries again.
    if (!hThread)
        return FALSE;
    m_hThread.Attach(hThread);
    ::SetThreadPriority(hThread, THREAD_PRIORITY_BELOW_NORMAL);
    m_nRequest.store(nRequest);
    ::ResumeThread(hThread);
    return TRUE;
}

unsigned __stdcall CWTKMenuSoundPlayer::WorkerThread(void* pParam)
{
    static_cast<CWTKMenuSoundPlayer*>(pParam)->RunWorker();
    return 0;
}

void CWTKMenuSoundPlayer::RunWorker()
{
    for (;;) {
        LONG nRequest = m_nRequest.load();
        if (nRequest == kStop)
            break;
        if (IsSoundRequest(nRequest)) {
            m_pfnSound(nRequest == kCommandSound ? kCommandSoundAlias : kPopupSoundAlias, kPlayFlags);
            // Back to idle only when nothing arrived while the sound played: a stop must stay.
            m_nRequest.compare_exchange_strong(nRequest, kIdle);
        }
        ::Sleep(kPollMs);
    }
    m_pfnSound(nullptr, SND_PURGE);
}

BOOL CWTKMenuSoundPlayer::Finish(DWORD dwWaitMs)
{
    {
        // After the clean-up no worker starts again, even when none ever ran.
        std::lock_guard<std::mutex> lock(m_startLock);
        LONG nNoThread = kNoThread;
        m_nRequest.compare_exchange_strong(nNoThread, kStop);
    }
    Request(kStop);
    if (!m_hThread.IsValid())
        return TRUE;
    const BOOL bEnded = ::WaitForSingleObject(m_hThread, dwWaitMs) == WAIT_OBJECT_0;
    m_hThread.Close();
    return bEnded;
}

void CWTKMenuSoundPlayer::Play(int nRequest)
{
    if (!g_bSoundsEnabled.load())
        return;
    GetProcessPlayer().Request(nRequest);
}

void CWTKMenuSoundPlayer::EnableSounds(BOOL bEnable)
{
    g_bSoundsEnabled.store(bEnable != FALSE);
}

BOOL CWTKMenuSoundPlayer::AreSoundsEnabled()
{
    return g_bSoundsEnabled.load() ? TRUE : FALSE;
}

CWTKMenuSoundPlayer& CWTKMenuSoundPlayer::GetProcessPlayer()
{
    // Never deleted: a worker that outlives the clean-up's wait still finds its object.
    static CWTKMenuSoundPlayer* pPlayer = [] {
        auto* pMade = new CWTKMenuSoundPlayer(ProcessSound);
        WTKSetMenuSoundStopHook(SignalStop);
        return pMade;
    }();
    return *pPlayer;
}

void CWTKMenuSoundPlayer::CleanUp()
{
    GetProcessPlayer().Finish(kFinishWaitMs);
}

void CWTKMenuSoundPlayer::SetSoundFunction(SoundFunction pfnSound)
{
    g_pfnProcessSound.store(pfnSound ? pfnSound : SystemSound);
}
