#include "ProgramFolder.h"

#include <windows.h>

std::string CProgramFolder::Get()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    std::string folder(path, length);
    const std::string::size_type slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}
