#include "command_bars/WTKCommandBarsCleanUp.h"

#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKMenuSoundPlayer.h"
#include "foundation/WTKCleanUp.h"

namespace {

void CleanUpCommandManagerAndSounds()
{
    WTKCleanUpCmdMgr();
    CWTKMenuSoundPlayer::CleanUp();
}

}  // namespace

void WTKRegisterCommandBarsCleanUp()
{
    WTKRegisterCleanUp(WTKCleanUpStage::CommandManager, CleanUpCommandManagerAndSounds);
}
