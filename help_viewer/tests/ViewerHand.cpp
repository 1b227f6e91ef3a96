#include "ViewerHand.h"
#include "ViewerProcess.h"

#include <cctype>

namespace {

// A hand takes a few tens of milliseconds per move; the steps let the program see the pointer
// pass over what lies between, as it would.
constexpr int kMoveSteps = 8;
constexpr DWORD kStepMs = 15;
constexpr DWORD kPressMs = 40;

POINT CurrentPointer()
{
    POINT point {};
    ::GetCursorPos(&point);
    return point;
}

void MoveExactly(POINT point)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input {};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((static_cast<long long>(point.x) * 65535 + (cx - 1) / 2) / (cx > 1 ? cx - 1 : 1));
    input.mi.dy = static_cast<LONG>((static_cast<long long>(point.y) * 65535 + (cy - 1) / 2) / (cy > 1 ? cy - 1 : 1));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
}

}  // namespace

void ViewerHand::MoveTo(POINT point)
{
    const POINT start = CurrentPointer();
    for (int step = 1; step <= kMoveSteps; ++step) {
        MoveExactly(
            {start.x + (point.x - start.x) * step / kMoveSteps, start.y + (point.y - start.y) * step / kMoveSteps});
        ::Sleep(kStepMs);
    }
}

void ViewerHand::Button(DWORD flags)
{
    INPUT input {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

void ViewerHand::Click(POINT point)
{
    MoveTo(point);
    Button(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(kPressMs);
    Button(MOUSEEVENTF_LEFTUP);
}

void ViewerHand::DoubleClick(POINT point)
{
    MoveTo(point);
    // The four presses go in one batch stamped with one time: a test process descheduled
    // between two calls on a loaded machine would otherwise turn them into two single clicks.
    const DWORD time = ::GetTickCount();
    INPUT inputs[4] {};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        inputs[i].mi.time = time;
    }
    ::SendInput(4, inputs, sizeof inputs[0]);
}

void ViewerHand::Drag(POINT from, POINT to)
{
    MoveTo(from);
    Button(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(kPressMs);
    MoveTo(to);
    ::Sleep(kPressMs);
    Button(MOUSEEVENTF_LEFTUP);
}

void ViewerHand::Key(WORD key, std::initializer_list<WORD> modifiers)
{
    SendKey(key, modifiers);
}

void ViewerHand::Type(const std::string& text)
{
    for (char c : text) {
        const unsigned char letter = static_cast<unsigned char>(c);
        if (std::isalpha(letter))
            Key(static_cast<WORD>(std::toupper(letter)),
                std::isupper(letter) ? std::initializer_list<WORD> {VK_SHIFT} : std::initializer_list<WORD> {});
        else if (std::isdigit(letter) || letter == ' ')
            Key(letter);
    }
}

POINT CentreOf(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
