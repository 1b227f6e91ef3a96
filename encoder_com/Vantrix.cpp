// Vantrix.dll: module entry and the four exports of an in-process server.

#include "Encoder.h"
#include "Resource.h"

#include "com/ClassFactory.h"
#include "com/ServerModule.h"

namespace {
const ComClassEntry kClasses[] = {{&CLSID_Encoder, CreateComObject<CEncoder>}};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        CServerModule::Get().Init(instance, kClasses, sizeof(kClasses) / sizeof(kClasses[0]), LIBID_VANTRIXLib);
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        CServerModule::Get().Term();
    }
    return TRUE;
}

STDAPI DllCanUnloadNow()
{
    return CServerModule::Get().CanUnloadNow();
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object)
{
    return CServerModule::Get().GetClassObject(clsid, riid, object);
}

STDAPI DllRegisterServer()
{
    return CServerModule::Get().RegisterServer(IDR_ENCODER);
}

STDAPI DllUnregisterServer()
{
    return CServerModule::Get().UnregisterServer(IDR_ENCODER);
}
