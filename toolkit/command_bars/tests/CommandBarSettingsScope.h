// Keeps the process-wide toolbar and menu settings for a test: the record is copied when the
// scope starts and written back, whole, when it ends, whatever the test changed meanwhile.
// Changes that act beyond the record (CWTKToolBar::SetLargeIcons resizing the bars) are the
// test's to undo.
#pragma once
#include "command_bars/WTKCommandBarSettings.h"

class CommandBarSettingsScope {
public:
    CommandBarSettingsScope() = default;
    ~CommandBarSettingsScope() { WTKGetCommandBarSettings() = m_saved; }
    CommandBarSettingsScope(const CommandBarSettingsScope&) = delete;
    CommandBarSettingsScope& operator=(const CommandBarSettingsScope&) = delete;

private:
    const WTKCommandBarSettings m_saved = WTKGetCommandBarSettings();
};
