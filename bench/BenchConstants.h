// Fixed names, sizes and goals of the benchmarks in one place.
#pragma once

namespace Bench {

// Rounds of each side-by-side figure; a round times the baseline, then the subject.
constexpr int kRounds = 15;
// Rounds of the memory figures: every one starts three programs.
constexpr int kMemoryRounds = 3;
// A timed batch of calls lasts at least this long, so that the clock's resolution does not count.
constexpr double kMinBatchSeconds = 0.002;

// The deliverables, copied beside the benchmark program.
constexpr char kDialogModule[] = "TolvekDravel.dll";
constexpr char kEncoderModule[] = "Vantrix.dll";
constexpr char kHelpModule[] = "PendrelEn.dll";
constexpr wchar_t kEncoderProgId[] = L"Vantrix.Encoder";

// Help pages: "res:" addresses of the module's HTML resources 1 to 23.
constexpr int kHelpPageCount = 23;
constexpr char kHelpAddressFormat[] = "res://Pendrelen.dll/%d";
constexpr int kHtmlResourceType = 23;
// The view's size and the memory bitmap's width: a help viewer's usual page pane.
constexpr int kViewWidth = 640;
constexpr int kViewHeight = 480;
constexpr int kMaxPaintHeight = 4096;

// Goals: the subject's time is at most this many times the baseline's.
constexpr double kMixedCallGoal = 3.0;
constexpr double kCharClassGoal = 2.0;
constexpr double kFirstPaintGoal = 1.3;
constexpr double kToolBarGoal = 2.0;
constexpr double kMenuPopupGoal = 2.0;
// A menu opens within one frame of a 60 Hz display.
constexpr double kMenuPopupMaxSeconds = 0.016;

// The viewer's start: the program and the line the barcode dialog's help button gives it,
// the frame's pane that shows the page, and the bare program it is timed beside.
constexpr char kViewerProgram[] = "Lumidoc.exe";
constexpr char kViewerArguments[] = "/doc=PendrelEn:5";
constexpr int kViewerPaneId = 0xE900;
constexpr char kBareWindowProgram[] = "bare_window.exe";
constexpr double kViewerStartGoal = 2.0;
// The viewer's stored state: where it lives, and the goal for its start with the largest state
// the toolbars' bounds allow beside its start with none.
constexpr char kViewerStateKey[] = "Software\\Tolvek\\Lumidoc";
constexpr char kViewerStateCopyKey[] = "Software\\Tolvek\\Lumidoc Bench Largest State";
constexpr double kViewerStateGoal = 2.0;
// The keys of the viewer's main toolbar and (their names begin so) of its menu bar.
constexpr char kViewerToolBarKey[] = "WTKToolBar-59392";
constexpr char kViewerMenuBarKeyStart[] = "WTKToolBar-59398";

// The timer that closes a dialog after its first paint.
constexpr unsigned kCloseTimerId = 0x4242;

}  // namespace Bench
