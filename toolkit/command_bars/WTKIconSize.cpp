#include "command_bars/WTKIconSize.h"

CSize WTKGetIconSize(HICON hIcon)
{
    ICONINFO info = {};
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return CSize(0, 0);

    CSize size(0, 0);
    BITMAP bmp = {};
    if (info.hbmColor != nullptr) {
        if (::GetObjectA(info.hbmColor, sizeof(bmp), &bmp) != 0)
            size = CSize(bmp.bmWidth, bmp.bmHeight);
    } else if (info.hbmMask != nullptr && ::GetObjectA(info.hbmMask, sizeof(bmp), &bmp) != 0) {
        size = CSize(bmp.bmWidth, bmp.bmHeight / 2);
    }
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    return size;
}
