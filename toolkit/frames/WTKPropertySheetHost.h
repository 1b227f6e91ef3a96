// CWTKPropertySheetHost: what a toolkit property page tells the property sheet it sits in. A
// toolkit sheet implements it; a page finds it with dynamic_cast on its parent window, and on a
// plain sheet only the platform's activation runs.
#pragma once

class CPropertyPage;

class CWTKPropertySheetHost {
public:
    virtual ~CWTKPropertySheetHost() = default;
    // pPage has just become the active page.
    virtual void OnActivatePage(CPropertyPage* pPage) = 0;
};
