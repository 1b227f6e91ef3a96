// The command bars' part of the toolkit's clean-up: the toolbar snapshots' files, the
// toolbars' shared images, and the command manager with the menu sound worker (asked to stop
// by the global data's earlier step, it is given a moment to end and its handle closed).
// Registered with the command manager, which is made before the program starts.
#pragma once
#include "foundation/WTKCleanUp.h"

class CWTKCommandBarsCleanUp : public CWTKCommandBarsCleanUpSteps {
public:
    void CleanUpToolbarSnapshots() override;
    void CleanUpToolbarImages() override;
    void CleanUpCommandManager() override;
};
