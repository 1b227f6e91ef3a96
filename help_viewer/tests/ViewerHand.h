// A user's hand on the system's input queue: the pointer moved in steps as a hand moves it,
// clicks, drags and keys, all through SendInput, so that the program under test gets its input
// as from a real mouse and keyboard and nothing is sent to its windows directly.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

class ViewerHand {
public:
    // Moves the pointer from where it is to the point (screen coordinates) in a few steps.
    static void MoveTo(POINT point);
    static void Click(POINT point);
    static void DoubleClick(POINT point);
    // Presses at from, moves to to in steps, releases there.
    static void Drag(POINT from, POINT to);
    // A key pressed and released with the modifiers held (VK_MENU, VK_CONTROL, VK_SHIFT).
    static void Key(WORD key, std::initializer_list<WORD> modifiers = {});
    // Types the text's letters, digits and blanks.
    static void Type(const std::string& text);

private:
    static void Button(DWORD flags);
};

// The centre of a rectangle.
POINT CentreOf(const RECT& rect);
