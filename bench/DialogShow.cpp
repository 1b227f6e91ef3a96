#include "DialogShow.h"

#include "BenchConstants.h"
#include "Files.h"
#include "FirstPaintWatch.h"
#include "InsertBarcodeData.h"
#include "Resource.h"
#include "Stopwatch.h"

#include <cstring>

namespace {
typedef int(WINAPI* LoadDialogFunction)(InsertBarcodeData* data);

INT_PTR CALLBACK EmptyDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

DialogShowTimes Elapsed(double start, const CFirstPaintWatch& watch)
{
    DialogShowTimes times;
    if (watch.PaintedAt() > 0) {
        times.initialised = watch.InitialisedAt() - start;
        times.paintStarted = watch.PaintStartedAt() - start;
        times.painted = watch.PaintedAt() - start;
    }
    return times;
}
}  // namespace

HMODULE CDialogShow::LoadModule()
{
    return LoadLibraryA(ProgramFile(Bench::kDialogModule).c_str());
}

HMODULE CDialogShow::LoadModuleResources()
{
    return LoadLibraryExA(ProgramFile(Bench::kDialogModule).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

DialogShowTimes CDialogShow::ShowProduct(HMODULE module)
{
    const auto loadDialog =
        reinterpret_cast<LoadDialogFunction>(reinterpret_cast<void*>(GetProcAddress(module, "LoadDialog")));
    if (loadDialog == nullptr)
        return DialogShowTimes();
    InsertBarcodeData data;
    std::memset(&data, 0, sizeof data);
    CFirstPaintWatch watch(CFirstPaintWatch::Closing::CloseMessage);
    const double start = CStopwatch::Now();
    loadDialog(&data);
    return Elapsed(start, watch);
}

DialogShowTimes CDialogShow::ShowBare(HMODULE module)
{
    const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(IDD_BARCODE_DIALOG), RT_DIALOG);
    const HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const auto dialogTemplate = static_cast<LPCDLGTEMPLATEA>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (dialogTemplate == nullptr)
        return DialogShowTimes();
    CFirstPaintWatch watch(CFirstPaintWatch::Closing::EndDialog);
    const double start = CStopwatch::Now();
    DialogBoxIndirectParamA(module, dialogTemplate, nullptr, EmptyDialogProc, 0);
    return Elapsed(start, watch);
}
