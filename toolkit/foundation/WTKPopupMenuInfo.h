// The popup menu window as the looks see it when they draw its border. The base look reads
// nothing of it; looks that join a menu to its menu button add what they read here.
#pragma once

class CWTKPopupMenuInfo {
public:
    virtual ~CWTKPopupMenuInfo() = default;
};
