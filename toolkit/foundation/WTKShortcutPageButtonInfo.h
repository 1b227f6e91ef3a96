// A page caption button of the shortcut bar as the looks see it. The base look leaves page
// buttons to their own drawing and reads nothing; looks that paint them add what they read.
#pragma once

class CWTKShortcutPageButtonInfo {
public:
    virtual ~CWTKShortcutPageButtonInfo() = default;
};
