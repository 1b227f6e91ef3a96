#pragma once

#include "Files.h"

// What every test of the encoder shares: a private install folder holding a
// copy of Vantrix.dll, registered for the whole run, and a client that talks
// to "Vantrix.Encoder" as a macro does.

#include "Vantrix_h.h"
#include "com/BstrText.h"
#include "com/DispatchCaller.h"

#include <string>
#include <vector>

namespace VantrixTest {
std::string InstallFolder();  // the copy of Vantrix.dll lives here
std::string VantrixPath();
HMODULE VantrixModule();  // the registered copy, kept loaded

// Copies a file of the program's folder to a path; removes it again.
void PlaceFile(const std::string& sourceName, const std::string& target);
void RemoveFile(const std::string& path);

// The 8-bit text of a COM string, zeros included.
std::string Ansi(BSTR text);

// CoCreateInstance by the version-independent ProgID.
IEncoder* CreateEncoder();

}  // namespace VantrixTest
