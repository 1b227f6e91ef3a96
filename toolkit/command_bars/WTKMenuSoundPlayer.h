// CWTKMenuSoundPlayer: plays the system sounds of menus on a worker thread, so that a sound
// never holds up a menu. The worker starts at the first request and polls the request value;
// a stop ends it for good. The process's player plays through a replaceable sound function.
#pragma once
#include "core/Handle.h"

#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <mutex>

class CWTKMenuSoundPlayer {
public:
    // Request values shared by the user-interface thread and the worker.
    enum : LONG { kNoThread = -2, kStop = -1, kIdle = 0, kCommandSound = 1, kPopupSound = 2 };

    static constexpr char kCommandSoundAlias[] = "MenuCommand";
    static constexpr char kPopupSoundAlias[] = "MenuPopup";
    // A system alias, no default sound, not waiting for a busy device.
    static constexpr DWORD kPlayFlags = SND_ALIAS | SND_NODEFAULT | SND_NOWAIT;
    static constexpr DWORD kPollMs = 5;
    // How long the clean-up waits for the worker to end.
    static constexpr DWORD kFinishWaitMs = 1000;

    // Plays a sound (pszSound with fdwSound), or purges the one playing (null, SND_PURGE).
    // Called on the worker thread.
    using SoundFunction = BOOL (*)(LPCSTR pszSound, DWORD fdwSound);

    explicit CWTKMenuSoundPlayer(SoundFunction pfnSound);
    // Stops the worker and waits for it to end.
    ~CWTKMenuSoundPlayer();
    CWTKMenuSoundPlayer(const CWTKMenuSoundPlayer&) = delete;
    CWTKMenuSoundPlayer& operator=(const CWTKMenuSoundPlayer&) = delete;

    // kCommandSound, kPopupSound or kStop; other values are ignored. The latest request
    // replaces one not played yet. A stop before the worker runs does nothing; once the
    // worker has been stopped every later request is ignored.
    void Request(LONG nRequest);
    // Stops the worker for good (no worker starts afterwards), waits up to dwWaitMs for it to
    // end and closes its handle. TRUE when no worker is left running.
    BOOL Finish(DWORD dwWaitMs);
    LONG GetRequest() const { return m_nRequest.load(); }

    // The process's player; does nothing while sounds are switched off.
    static void Play(int nRequest);
    // The process-wide sounds switch, on until switched off. The clean-up's stop does not
    // depend on it: a worker started while sounds were on is still ended.
    static void EnableSounds(BOOL bEnable);
    static BOOL AreSoundsEnabled();
    static CWTKMenuSoundPlayer& GetProcessPlayer();
    // The toolkit's clean-up: stops the process's worker and waits briefly for it.
    static void CleanUp();
    // The sound function of the process's player (the system's PlaySound until replaced);
    // null goes back to the system's. Set it before the first request.
    static void SetSoundFunction(SoundFunction pfnSound);

private:
    static unsigned __stdcall WorkerThread(void* pParam);
    void RunWorker();
    BOOL StartWorker(LONG nRequest);

    std::atomic<LONG> m_nRequest {kNoThread};
    SoundFunction m_pfnSound;
    std::mutex m_startLock;  // serialises the start of the worker
    CHandle m_hThread;
};
