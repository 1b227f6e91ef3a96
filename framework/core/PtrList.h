// CPtrList: a list of void* elements.
#pragma once
#include "core/List.h"

class CPtrList : public CList<void*, void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    CPtrList() = default;
};
