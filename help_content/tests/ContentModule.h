// The help content module loaded by its file name, with its six exports bound by name,
// as the help viewer binds them.
#pragma once
#include <windows.h>
#include <string>

class CTreeCtrl;

struct ContentModule {
    using GetContentCountFn = int*(WINAPI*)(int*);
    using GetTextFn = int(WINAPI*)(int, LPSTR);
    using GetDocNameFn = void(WINAPI*)(LPSTR);
    using LoadContentsFn = BOOL(WINAPI*)(CTreeCtrl*);

    HMODULE hModule = nullptr;
    GetContentCountFn getContentCount = nullptr;
    GetTextFn getTopic = nullptr;
    GetTextFn getKeyword = nullptr;
    GetTextFn getUrl = nullptr;
    GetDocNameFn getDocName = nullptr;
    LoadContentsFn loadContents = nullptr;
};

// Loaded at the first call and kept for the whole test program.
const ContentModule& TheContentModule();

// The text an export copies into a viewer-sized buffer.
std::string TextOf(ContentModule::GetTextFn fn, int nIndex);
