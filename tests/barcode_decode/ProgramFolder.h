#pragma once

#include <windows.h>

#include <string>

// The folder of this program, with a trailing backslash: the deliverables are copied beside
// the decode test programs.
inline std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}
