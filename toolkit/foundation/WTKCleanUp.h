#pragma once
#include "core/LayerHook.h"

// The toolkit's global clean-up, called once by the application at exit. The foundation's own
// parts register their step when they are first made (a part never made has nothing to
// release); the parts above the foundation take their turns through CWTKCommandBarsCleanUpSteps.
enum class WTKCleanUpStage { GlobalData, MenuGlyphs, KeyboardManager, VisualManager, Count };

using WTKCleanUpStep = void (*)();

// One step per stage; registering again replaces it.
void WTKRegisterCleanUp(WTKCleanUpStage stage, WTKCleanUpStep step);
void WTKCleanUp();

// The command bars' steps, registered by the command bars; each runs at its place among the
// foundation's steps (after the global data, around the menu glyphs).
class CWTKCommandBarsCleanUpSteps : public CFwLayerHook<CWTKCommandBarsCleanUpSteps> {
public:
    virtual void CleanUpToolbarSnapshots() {}
    virtual void CleanUpToolbarImages() {}
    // The command manager, and the menu sound worker that the global data's step asked to stop.
    virtual void CleanUpCommandManager() {}
};
