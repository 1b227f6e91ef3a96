// CStringList: a list of CString elements.
#pragma once
#include "core/List.h"
#include "core/String.h"

class CStringList : public CList<CString, LPCSTR> {
    DECLARE_DYNAMIC(CStringList)
public:
    CStringList() = default;
};
