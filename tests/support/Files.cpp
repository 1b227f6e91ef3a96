#include "Files.h"

#include <windows.h>

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    const std::string program(path, length);
    const std::string::size_type slash = program.find_last_of('\\');
    return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

std::string ProgramFile(const char* name)
{
    return ProgramFolder() + name;
}

bool FileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool TouchFile(const std::string& path)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

std::string BuildTreeFolder()
{
    // Test programs sit at different depths of the build tree; its root holds the cache file.
    std::string folder = ProgramFolder();
    for (int depth = 0; depth < 4 && !folder.empty(); ++depth) {
        if (FileExists(folder + "CMakeCache.txt"))
            return folder;
        folder += "..\\";
    }
    return ProgramFolder() + "..\\";
}

std::string ScreenshotFolder()
{
    const std::string strFolder = BuildTreeFolder() + "screenshots";
    ::CreateDirectoryA(strFolder.c_str(), nullptr);
    return strFolder;
}

std::string ScreenshotPath(const char* name)
{
    return ScreenshotFolder() + "\\" + name;
}
