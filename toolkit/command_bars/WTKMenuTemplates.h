// The application's menus as the menu bar and its customisation see them: the document
// templates that have a shared menu, and menu resources loaded by id.
#pragma once
#include "core/ResourceHandle.h"
#include "docview/MultiDocTemplate.h"
#include "win/WinApp.h"

// Calls fn for every multiple-document template of the application that has a shared menu.
template <typename Fn>
void WTKForEachMenuTemplate(Fn fn)
{
    CWinApp* pApp = FwGetApp();
    if (pApp == nullptr)
        return;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != nullptr;) {
        auto* pTemplate = dynamic_cast<CMultiDocTemplate*>(pApp->GetNextDocTemplate(pos));
        if (pTemplate != nullptr && pTemplate->m_hMenuShared != nullptr)
            fn(pTemplate);
    }
}

// The menu resource from the module that holds it; null for id 0 or a missing resource.
inline HMENU WTKLoadMenuResource(UINT uiResId)
{
    if (uiResId == 0)
        return nullptr;
    LPCSTR lpszName = MAKEINTRESOURCEA(uiResId);
    HINSTANCE hInst = FwFindResourceHandle(lpszName, RT_MENU);
    return hInst != nullptr ? ::LoadMenuA(hInst, lpszName) : nullptr;
}
