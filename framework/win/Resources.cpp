#include "win/Resources.h"
#include "win/WinApp.h"

HINSTANCE FwFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE hResource = FwGetResourceHandle();
    if (::FindResourceA(hResource, lpszName, lpszType))
        return hResource;
    HINSTANCE hInstance = FwGetInstanceHandle();
    if (hInstance != hResource && ::FindResourceA(hInstance, lpszName, lpszType))
        return hInstance;
    return nullptr;
}

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

HICON FwLoadIcon(LPCSTR lpszName)
{
    HINSTANCE hInst = FwFindResourceHandle(lpszName, RT_GROUP_ICON);
    return hInst ? ::LoadIconA(hInst, lpszName) : nullptr;
}

HICON FwLoadIcon(UINT nID, int cx, int cy)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nID);
    HINSTANCE hInst = FwFindResourceHandle(lpszName, RT_GROUP_ICON);
    return hInst ? (HICON)::LoadImageA(hInst, lpszName, IMAGE_ICON, cx, cy, cx || cy ? 0 : LR_DEFAULTSIZE) : nullptr;
}

HCURSOR FwLoadCursor(LPCSTR lpszName)
{
    HINSTANCE hInst = FwFindResourceHandle(lpszName, RT_GROUP_CURSOR);
    return hInst ? ::LoadCursorA(hInst, lpszName) : nullptr;
}

HBITMAP FwLoadBitmap(LPCSTR lpszName)
{
    HINSTANCE hInst = FwFindResourceHandle(lpszName, RT_BITMAP);
    return hInst ? ::LoadBitmapA(hInst, lpszName) : nullptr;
}

HMENU FwLoadMenu(LPCSTR lpszName)
{
    HINSTANCE hInst = FwFindResourceHandle(lpszName, RT_MENU);
    return hInst ? ::LoadMenuA(hInst, lpszName) : nullptr;
}

HACCEL FwLoadAccelerators(LPCSTR lpszName)
{
    HINSTANCE hInst = FwFindResourceHandle(lpszName, RT_ACCELERATOR);
    return hInst ? ::LoadAcceleratorsA(hInst, lpszName) : nullptr;
}
