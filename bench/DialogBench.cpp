#include "DialogBench.h"

#include "BenchConstants.h"
#include "DialogShow.h"
#include "ResultTable.h"

void CDialogBench::Run(CResultTable& table)
{
    table.AddSection("Barcode dialog: call to first paint, closed by a timer after it");
    const HMODULE module = CDialogShow::LoadModule();
    // The first showing of each creates the settings file and warms the caches.
    if (module == nullptr || CDialogShow::ShowBare(module) == 0 || CDialogShow::ShowProduct(module) == 0) {
        table.AddValue("the barcode dialog does not show", "skipped");
        if (module != nullptr)
            FreeLibrary(module);
        return;
    }
    CRatioStats stats;
    for (int round = 0; round < Bench::kRounds; ++round) {
        const double bare = CDialogShow::ShowBare(module);
        const double product = CDialogShow::ShowProduct(module);
        stats.Add(bare, product);
    }
    table.AddRatio("LoadDialog", CResultTable::Duration(stats.MedianSubject()),
                   "bare dialog, same template " + CResultTable::Duration(stats.MedianBaseline()), stats,
                   Bench::kFirstPaintGoal);
    FreeLibrary(module);
}
