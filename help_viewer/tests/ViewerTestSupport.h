// Shared by the viewer's tests: the test program's application, the fixture modules beside
// it, recorders for the message box, shell and sound seams, a driver for modal dialogs and
// the screenshot folder.
#pragma once
#include "ContentModule.h"
#include "MessagePump.h"
#include "win/WinApp.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The test program's application object (the viewer's own in the look tests).
extern CWinApp& theApp;

// The environment variable a fixture module sets when its initialisation runs.
std::string LoadedVariable(char kind);
bool FixtureInitialised(char kind);
void ForgetFixtureInitialisation();

// Frees the process's content module when a test ends.
class ContentModuleGuard {
public:
    ContentModuleGuard() { CContentModule::Current().Free(); }
    ~ContentModuleGuard() { CContentModule::Current().Free(); }
    ContentModuleGuard(const ContentModuleGuard&) = delete;
    ContentModuleGuard& operator=(const ContentModuleGuard&) = delete;
};

struct RecordedMessageBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// Every message box while it lives is recorded and answered with OK.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<RecordedMessageBox> boxes;

private:
    FwMessageBoxFn m_previous;
};

// Works a modal dialog of this thread from inside its own loop: a thread timer looks for a
// visible window with the caption; once it shows, the step runs at each tick until it answers
// true. A dialog still open after a few seconds is closed, so that no test hangs.
class ModalDriver {
public:
    using Step = std::function<bool(HWND dialog)>;
    ModalDriver(const char* caption, std::vector<Step> steps);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    static ModalDriver* s_current;

    std::string m_caption;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_ticks = 0;
    UINT_PTR m_timer = 0;
};

// Paints the window at once and saves it (frame included) as a PNG in the screenshot folder.
bool SaveWindowShot(HWND window, const char* name);
