#include "win/Resources.h"

LPCDLGTEMPLATEA FwLoadDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst)
{
    HINSTANCE hInst = FwFindResourceHandle(lpszTemplateName, RT_DIALOG);
    if (!hInst)
        return nullptr;
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    if (phInst)
        *phInst = hInst;
    return hTemplate ? (LPCDLGTEMPLATEA)::LockResource(hTemplate) : nullptr;
}

HACCEL FwLoadAccelerators(LPCSTR lpszName)
{
    HINSTANCE hInst = FwFindResourceHandle(lpszName, RT_ACCELERATOR);
    return hInst ? ::LoadAcceleratorsA(hInst, lpszName) : nullptr;
}
