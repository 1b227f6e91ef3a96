#pragma once

// Fixed names and values of the COM encoder.

// The dialog module InsertBarcode runs, and its entry point.
constexpr char kDialogModuleName[] = "TolvekDravel.dll";
constexpr char kLoadDialogExport[] = "LoadDialog";

// InsertBarcode's size output when no barcode was inserted.
constexpr long kNoSize = -1;

// Vantrix: the frame of unframed input, and the result for bad input.
constexpr char kUnframedStart = '[';
constexpr char kUnframedStop = ']';
constexpr char kPlainErrorText[] = "error";
