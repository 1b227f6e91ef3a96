// A stand-in for the dialog module: exports LoadDialog and answers as the
// test asks, without showing anything.

#include "FakeDialogProtocol.h"
#include "InsertBarcodeData.h"

#include <windows.h>

#include <cstring>

namespace {
HMODULE g_self = nullptr;

bool IsMode(const char* mode, const char* expected)
{
    return std::strcmp(mode, expected) == 0;
}

void Report(const InsertBarcodeData* data)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(data);
    bool zeroed = true;
    for (std::size_t i = 0; i < sizeof(*data); ++i)
        zeroed = zeroed && bytes[i] == 0;
    SetEnvironmentVariableA(kFakeZeroedVariable, zeroed ? "1" : "0");
    char path[MAX_PATH] = "";
    GetModuleFileNameA(g_self, path, MAX_PATH);
    SetEnvironmentVariableA(kFakePathVariable, path);
}

void Fill(InsertBarcodeData* data)
{
    std::strcpy(data->text, kInsertText);
    std::strcpy(data->font, kInsertFont);
    data->size = kInsertSize;
    data->colour = kInsertColour;
}
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_self = instance;
    return TRUE;
}

extern "C" int WINAPI LoadDialog(InsertBarcodeData* data)
{
    Report(data);
    char mode[32] = "";
    GetEnvironmentVariableA(kFakeModeVariable, mode, sizeof(mode));
    if (IsMode(mode, kModeInsert)) {
        Fill(data);
        return kLoadDialogInserted;
    }
    if (IsMode(mode, kModeFull)) {
        std::memset(data->text, 'A', sizeof(data->text));
        std::memset(data->font, 'B', sizeof(data->font));
        data->size = 7;
        data->colour = 1;
        return kLoadDialogInserted;
    }
    if (IsMode(mode, kModeClose)) {
        Fill(data);
        return kLoadDialogClosed;
    }
    return kLoadDialogFailed;
}
