// Makes a look the default for a test and puts the default look back when the scope ends.
#pragma once
#include "foundation/WTKVisualManager.h"

class LookScope {
public:
    explicit LookScope(CRuntimeClass* pLook) { CWTKVisualManager::SetDefaultManager(pLook); }
    ~LookScope() { CWTKVisualManager::SetDefaultManager(nullptr); }
    LookScope(const LookScope&) = delete;
    LookScope& operator=(const LookScope&) = delete;
};
