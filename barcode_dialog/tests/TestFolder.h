// A fresh temporary folder for one test, removed with its files afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TestFolder {
public:
    TestFolder()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        static int counter = 0;
        char name[64];
        wsprintfA(name, "dravel-%lu-%d", GetCurrentProcessId(), ++counter);
        m_path = std::string(temp) + name;
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TestFolder()
    {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((m_path + "\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileA(File(found.cFileName).c_str());
            } while (FindNextFileA(find, &found));
            FindClose(find);
        }
        RemoveDirectoryA(m_path.c_str());
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const char* name) const { return m_path + "\\" + name; }
    bool Exists(const char* name) const { return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::vector<char> Read(const char* name) const
    {
        std::vector<char> bytes;
        HANDLE file =
            CreateFileA(File(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return bytes;
        char buffer[512];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
            bytes.insert(bytes.end(), buffer, buffer + read);
        CloseHandle(file);
        return bytes;
    }
    void Write(const char* name, const std::vector<char>& bytes) const
    {
        HANDLE file = CreateFileA(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        if (!bytes.empty())
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

private:
    std::string m_path;
};

// Makes a folder the current folder for the test's lifetime, as a host program's folder is.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& path)
    {
        GetCurrentDirectoryA(MAX_PATH, m_previous);
        SetCurrentDirectoryA(path.c_str());
    }
    ~CurrentFolder() { SetCurrentDirectoryA(m_previous); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    char m_previous[MAX_PATH] = {};
};
