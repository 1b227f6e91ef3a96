// Shared by the button appearance and image editing tests: the program's application, a message
// box that records its texts and answers OK, bitmaps made and read in the test, mouse and key
// scripts sent to real windows, and a button face that is not grey.
#pragma once
#include "AppearanceTestIds.h"

#include "core/Point.h"
#include "core/Size.h"
#include "gdi/GdiObject.h"
#include "win/WinApp.h"
#include "win/Wnd.h"

#include <windows.h>

#include <string>
#include <vector>
#include "TestHostWnd.h"

class CAppearanceTestApp : public CWinApp {
public:
    CAppearanceTestApp() : CWinApp("WTKAppearanceTests") {}
};

// A shown top-level window whose client area is cx by cy, holding the controls under test; it
// records the WM_COMMAND notifications its children send.
class CTestHost : public CTestHostWnd {
public:
    // An owner-drawn button child of the host, ready to be subclassed.
    HWND AddOwnerDrawButton(UINT nID, const RECT& rect);

    struct Notification {
        UINT nID;
        UINT nCode;
        HWND hWnd;
    };
    std::vector<Notification> m_notifications;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// Records every message box text for as long as it lives; each box answers IDOK.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
    const std::vector<std::string>& Texts() const;
    void Clear();

private:
    FwMessageBoxFn m_pfnOld;
};

// A screen-compatible bitmap filled with one colour.
void MakeBitmap(CBitmap& bitmap, int cx, int cy, COLORREF clr);
COLORREF BitmapPixel(CBitmap& bitmap, int x, int y);
void SetBitmapPixel(CBitmap& bitmap, int x, int y, COLORREF clr);
CSize BitmapSize(CBitmap& bitmap);

// Real mouse messages to a window, in client coordinates.
void MouseDown(HWND hWnd, CPoint point);
void MouseMove(HWND hWnd, CPoint point);
void MouseUp(HWND hWnd, CPoint point);
void Click(HWND hWnd, CPoint point);
void Drag(HWND hWnd, CPoint from, CPoint to);
void KeyDown(HWND hWnd, UINT nKey);

// For as long as it lives, the system's button face is this colour for the toolkit: its
// drawing data and the image strips' colour mapping.
class FaceColorScope {
public:
    explicit FaceColorScope(COLORREF clrFace);
    ~FaceColorScope();
    FaceColorScope(const FaceColorScope&) = delete;
    FaceColorScope& operator=(const FaceColorScope&) = delete;
    static COLORREF Face();
};

// Answers every "Edit Button Image" dialog that opens on this thread while it lives with a
// command (IDOK or IDCANCEL); counts the dialogs seen.
class EditDialogScript {
public:
    explicit EditDialogScript(UINT nAnswer);
    ~EditDialogScript();
    EditDialogScript(const EditDialogScript&) = delete;
    EditDialogScript& operator=(const EditDialogScript&) = delete;
    int Count() const;
};
