#pragma once

// How the tests steer the fake dialog module and what it reports back,
// through the process environment.
constexpr char kFakeModeVariable[] = "VANTRIX_FAKE_DIALOG_MODE";
constexpr char kFakeZeroedVariable[] = "VANTRIX_FAKE_DIALOG_ZEROED";
constexpr char kFakePathVariable[] = "VANTRIX_FAKE_DIALOG_PATH";

constexpr char kModeInsert[] = "insert";  // fills the record, returns 1
constexpr char kModeFull[] = "full";      // fills every byte of both text fields, returns 1
constexpr char kModeClose[] = "close";    // writes the record anyway, returns 2
constexpr char kModeFail[] = "fail";      // returns -1

constexpr char kInsertText[] = "(HELLO-39X)";
constexpr char kInsertFont[] = "TolvekVantrixM";
constexpr int kInsertSize = 24;
constexpr unsigned kInsertColour = 0x00FF8000;
