#include "ViewerTestSupport.h"

#include "Canvas.h"
#include "Files.h"

#include <cstdlib>

#ifdef HV_TEST_HELP_APP
#include "HelpApp.h"
#endif

#ifdef HV_TEST_HELP_APP
// The look tests run with the viewer's own application object, whose workspace brings the
// stored look back when a frame is made.
static CHelpApp g_testApp;
#else
static CWinApp g_testApp("Lumidoc");
#endif
CWinApp& theApp = g_testApp;

namespace {

MessageBoxRecorder* g_recorder = nullptr;

struct WindowSearch {
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    char text[128] = {};
    ::GetWindowTextA(hwnd, text, sizeof text);
    if (::IsWindowVisible(hwnd) && std::string(text) == search->caption) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

int RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    if (g_recorder)
        g_recorder->boxes.push_back({owner, text ? text : "", caption ? caption : "", type});
    return IDOK;
}

}  // namespace

std::string LoadedVariable(char kind)
{
    return std::string("HV_FIXTURE_") + kind;
}

bool FixtureInitialised(char kind)
{
    char value[8] = {};
    return ::GetEnvironmentVariableA(LoadedVariable(kind).c_str(), value, sizeof value) > 0;
}

void ForgetFixtureInitialisation()
{
    for (char kind : {'A', 'B', 'C', 'D'})
        ::SetEnvironmentVariableA(LoadedVariable(kind).c_str(), nullptr);
}

MessageBoxRecorder::MessageBoxRecorder() : m_previous(FwSetMessageBoxFunction(&RecordMessageBox))
{
    g_recorder = this;
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    g_recorder = nullptr;
    FwSetMessageBoxFunction(m_previous);
}

ModalDriver* ModalDriver::s_current = nullptr;

ModalDriver::ModalDriver(const char* caption, std::vector<Step> steps) : m_caption(caption), m_steps(std::move(steps))
{
    s_current = this;
    m_timer = ::SetTimer(nullptr, 0, 30, &ModalDriver::OnTick);
}

ModalDriver::~ModalDriver()
{
    ::KillTimer(nullptr, m_timer);
    s_current = nullptr;
}

void CALLBACK ModalDriver::OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    ModalDriver* self = s_current;
    if (self == nullptr)
        return;
    WindowSearch search {self->m_caption.c_str(), nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr)
        return;
    if (++self->m_ticks > 150) {
        ::PostMessageA(search.found, WM_CLOSE, 0, 0);
        return;
    }
    if (self->m_next < self->m_steps.size() && self->m_steps[self->m_next](search.found))
        ++self->m_next;
}

bool SaveWindowShot(HWND window, const char* name)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect {};
    ::GetWindowRect(window, &rect);
    Canvas shot(rect.right - rect.left, rect.bottom - rect.top, kBlack);
    return shot.CopyFromWindow(window, true) && shot.WritePng(ScreenshotPath(name));
}
