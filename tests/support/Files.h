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

// The root of the build tree the running program belongs to, with a trailing backslash.
std::string BuildTreeFolder();
// The folder the tests save their screenshots in (created when missing): "screenshots" in the
// root of the build tree.
std::string ScreenshotFolder();
// A file of that folder.
std::string ScreenshotPath(const char* name);
