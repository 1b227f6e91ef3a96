// Files beside the benchmark program: the copies of the deliverables it measures.
#pragma once

#include <string>

class CProgramFolder {
public:
    // The program's folder with a trailing backslash.
    static std::string Get();
    static std::string Path(const char* fileName) { return Get() + fileName; }
};
