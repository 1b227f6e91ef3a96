// CObList: a list of CObject* elements.
#pragma once
#include "core/List.h"


class CObList : public CList<CObject*, CObject*> {
    DECLARE_DYNAMIC(CObList)
public:
    CObList() = default;
};
