// What the parts above the foundation do when the global drawing data has rebuilt its fonts
// (after a change of the system's fonts): the command bars register theirs once, so that every
// toolbar whose window exists lays out its buttons again. Without one nothing happens.
#pragma once
#include "core/LayerHook.h"

class CWTKGlobalFontsHooks : public CFwLayerHook<CWTKGlobalFontsHooks> {
public:
    // The record's fonts are new (it does not say so while it is first built).
    virtual void OnGlobalFontsChanged() {}
};
