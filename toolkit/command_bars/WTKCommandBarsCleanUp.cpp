#include "command_bars/WTKCommandBarsCleanUp.h"

#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKMenuSoundPlayer.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarSnapshotStore.h"

void CWTKCommandBarsCleanUp::CleanUpToolbarSnapshots()
{
    WTKGetToolbarSnapshotStore().RemoveAll();
}

void CWTKCommandBarsCleanUp::CleanUpToolbarImages()
{
    CWTKToolBar::CleanUpImages();
}

void CWTKCommandBarsCleanUp::CleanUpCommandManager()
{
    WTKCleanUpCmdMgr();
    CWTKMenuSoundPlayer::CleanUp();
}
