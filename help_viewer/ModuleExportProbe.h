// Tells whether a module file exports a function by name, reading the file mapped as data:
// none of the module's code runs and nothing it imports is loaded. The file is untrusted:
// every offset, count and name is checked against the file's size.
#pragma once

#include <windows.h>

BOOL ModuleFileExports(LPCSTR lpszPath, LPCSTR lpszExport);
