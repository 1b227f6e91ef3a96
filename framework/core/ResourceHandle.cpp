#include "core/ResourceHandle.h"

namespace {
HINSTANCE g_hResource = nullptr;

HINSTANCE ThisModule()
{
    HMODULE hModule = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &hModule);
    return hModule ? hModule : GetModuleHandleA(nullptr);
}
}

HINSTANCE FwGetResourceHandle()
{
    return g_hResource ? g_hResource : ThisModule();
}

void FwSetResourceHandle(HINSTANCE hResource)
{
    g_hResource = hResource;
}
