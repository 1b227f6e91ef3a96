#include "DialogBench.h"

#include "BenchConstants.h"
#include "DialogShow.h"
#include "ResultTable.h"

#include "core/Handle.h"

void CDialogBench::Run(CResultTable& table)
{
    table.AddSection("Barcode dialog: call to first paint, closed by a timer after it");
    const CModuleHandle module(CDialogShow::LoadModule());
    // The first showing of each creates the settings file and warms the caches.
    if (!module.IsValid() || CDialogShow::ShowBare(module).painted == 0 ||
        CDialogShow::ShowProduct(module).painted == 0) {
        table.AddValue("the barcode dialog does not show", "skipped");
        return;
    }
    CRatioStats whole;
    CRatioStats creation;
    CRatioStats showing;
    CRatioStats painting;
    for (int round = 0; round < Bench::kRounds; ++round) {
        const DialogShowTimes bare = CDialogShow::ShowBare(module);
        const DialogShowTimes product = CDialogShow::ShowProduct(module);
        whole.Add(bare.painted, product.painted);
        creation.Add(bare.initialised, product.initialised);
        showing.Add(bare.paintStarted - bare.initialised, product.paintStarted - product.initialised);
        painting.Add(bare.painted - bare.paintStarted, product.painted - product.paintStarted);
    }
    table.AddRatio("LoadDialog, call to first paint", CResultTable::Duration(whole.MedianSubject()),
                   "bare dialog, same template " + CResultTable::Duration(whole.MedianBaseline()), whole,
                   Bench::kFirstPaintGoal);
    // Where the time goes: the same phases of both.
    const struct {
        const char* name;
        const CRatioStats& stats;
    } phases[] = {
        {"  of which: creation and WM_INITDIALOG", creation},
        {"  then until the first WM_PAINT", showing},
        {"  the first paint, dialog and controls", painting},
    };
    for (const auto& phase : phases)
        table.AddRatio(phase.name, CResultTable::Duration(phase.stats.MedianSubject()),
                       CResultTable::Duration(phase.stats.MedianBaseline()), phase.stats);
}
