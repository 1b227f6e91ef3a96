// The barcode dialog shown once and closed after its first paint: through the module's
// LoadDialog, or as a bare dialog made from the same template with no code of ours.
#pragma once

#include <windows.h>

// Seconds from the call: to the end of WM_INITDIALOG, to the start and to the end of the first
// paint. painted is 0 when the dialog did not show.
struct DialogShowTimes {
    double initialised = 0;
    double paintStarted = 0;
    double painted = 0;
};

class CDialogShow {
public:
    // The module from the program's folder, so that its settings file is the benchmark's.
    static HMODULE LoadModule();
    // Only the resources, for the bare dialog: none of the module's code runs.
    static HMODULE LoadModuleResources();

    static DialogShowTimes ShowProduct(HMODULE module);
    static DialogShowTimes ShowBare(HMODULE module);
};
