// Files the test programs and the benchmark look at: the copies of the deliverables beside the
// running program, and empty files that two processes signal each other with.
#pragma once

#include <string>

// The running program's folder with a trailing backslash; empty when it cannot be read.
std::string ProgramFolder();
// A file of that folder.
std::string ProgramFile(const char* name);

bool FileExists(const std::string& path);
// Creates an empty file, or empties one that is there.
bool TouchFile(const std::string& path);

// The folder the tests save their screenshots in (created when missing): "screenshots" beside
// the folder of the running program.
std::string ScreenshotFolder();
// A file of that folder.
std::string ScreenshotPath(const char* name);
