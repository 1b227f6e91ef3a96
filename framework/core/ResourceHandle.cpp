#include "core/ResourceHandle.h"

// The image of the binary this code is linked into.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
HINSTANCE g_hResource = nullptr;
}

HINSTANCE FwGetInstanceHandle()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

HINSTANCE FwGetResourceHandle()
{
    return g_hResource ? g_hResource : FwGetInstanceHandle();
}

void FwSetResourceHandle(HINSTANCE hResource)
{
    g_hResource = hResource;
}

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
