// CStringList: a list of CString elements.
#pragma once
#include "core/List.h"
#include "core/String.h"

class CStringList : public CList<CString, LPCSTR> {
    DECLARE_SERIAL(CStringList)
public:
    CStringList() = default;
    // The count, then the strings; loading appends.
    void Serialize(CArchive& ar) override;
};
