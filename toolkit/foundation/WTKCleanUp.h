#pragma once

// The toolkit's global clean-up, called once by the application at exit. Steps run in the
// order of their stage; the parts above the foundation (snapshots, toolbars, the command
// manager, the keyboard manager) register their own step, so the foundation never calls up.
enum class WTKCleanUpStage {
    GlobalData,
    ToolbarSnapshots,
    ToolbarImages,
    MenuGlyphs,
    CommandManager,
    KeyboardManager,
    VisualManager,
    Count
};

using WTKCleanUpStep = void (*)();

// One step per stage; registering again replaces it (each part registers once, at start-up).
void WTKRegisterCleanUp(WTKCleanUpStage stage, WTKCleanUpStep step);
void WTKCleanUp();
