// Static message maps: the entry types and the BEGIN_MESSAGE_MAP/ON_... macros.
// Each entry carries a small thunk generated where the map is written, so the
// handler is called with exactly the arguments its message implies (type-safe),
// and the compiler checks the handler's signature at the map.
#pragma once
#include <windows.h>
#include <commctrl.h>

class CCmdTarget;
class CCmdUI;

// One map entry stands for every WM_CTLCOLOR* message.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
// Messages reflected from a parent to the control that sent them.
#define WM_REFLECT_BASE 0xBC00
// Idle update of command user interface (frames and their bars).
#define WM_IDLEUPDATECMDUI 0x0363
// Status prompt: wParam a string id, or lParam the text.
#define WM_SETMESSAGESTRING 0x0362
// Layout of a frame's bars: lParam a SizeParentParams record (docview/FrameWnd.h).
#define WM_SIZEPARENT 0x0361
// Help mode asks the window under a click for its help id: lParam the client point (x low
// word, y high word); the answer is the id, 0 for none.
#define WM_HELPHITTEST 0x0366
// A view's first update, sent by its frame once the frame is set up.
#define WM_INITIALUPDATE 0x0364
// Floating windows and their owner frame: wParam the FS_ flags below.
#define WM_FLOATSTATUS 0x036D
#define FS_ACTIVATE 0x0004
#define FS_DEACTIVATE 0x0008
#define FS_SYNCACTIVE 0x0040  // asks: does the caption follow the owner's activation?
// The system's timer message (caret blinks): not a sign of user activity.
#ifndef WM_SYSTIMER
#define WM_SYSTIMER 0x0118
#endif
// Sent to a modal window while its loop is idle (wParam MSGF_DIALOGBOX, lParam the idle count).
#define WM_KICKIDLE 0x036A

// OnCmdMsg codes: the low word is the notification code, the high word the message
// (0 for WM_COMMAND). CN_UPDATE_COMMAND_UI asks for the user interface state.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// One message being dispatched through a map.
struct FwMsgCall {
    UINT message;  // the message as received (WM_CTLCOLORSTATIC, WM_COMMAND ...)
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;         // command or control id
    void* pExtra;     // CCmdUI* for updates, FwNotify* for notifications
    LRESULT lResult;  // set by the thunk
};

// Returns FALSE only when the handler declined the message (the _EX forms).
typedef BOOL (*FwMsgThunk)(CCmdTarget* pTarget, FwMsgCall& call);

struct FwMsgMapEntry {
    UINT nMessage;             // window message, WM_COMMAND, WM_NOTIFY, or WM_REFLECT_BASE + message
    UINT nCode;                // control notification code, CN_UPDATE_COMMAND_UI
    UINT nID;                  // first control or command id
    UINT nLastID;              // last id of a range
    const UINT* pnRegistered;  // registered message: read when dispatching
    FwMsgThunk pfn;
};

struct FwMsgMap {
    const FwMsgMap* (*pfnGetBaseMap)();
    const FwMsgMapEntry* lpEntries;
};

// pExtra of WM_NOTIFY commands.
struct FwNotify {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg instead of calling the handler (does a handler exist?).
struct FwCmdHandlerInfo {
    CCmdTarget* pTarget;
    const FwMsgMapEntry* pEntry;
};

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const FwMsgMap* GetThisMessageMap();                                                                        \
    const FwMsgMap* GetMessageMap() const override;                                                                    \
                                                                                                                       \
public:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const FwMsgMap* theClass::GetMessageMap() const                                                                    \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const FwMsgMap* theClass::GetThisMessageMap()                                                                      \
    {                                                                                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                                                   \
        using TheBaseClass = baseClass;                                                                                \
        static const FwMsgMapEntry messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, nullptr, nullptr                                                                                   \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const FwMsgMap messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]};                         \
    return &messageMap;                                                                                                \
    }

// The thunk: p is the object (ThisClass*), c the FwMsgCall.
#define FW_THUNK(...)                                                                                                  \
    [](CCmdTarget* pTarget_, FwMsgCall& c [[maybe_unused]]) -> BOOL {                                                  \
        ThisClass* p = static_cast<ThisClass*>(pTarget_);                                                              \
        __VA_ARGS__                                                                                                    \
    }

#define FW_ENTRY(msg, code, id, lastId, ...)                                                                           \
    {(UINT)(msg), (UINT)(code), (UINT)(id), (UINT)(lastId), nullptr, FW_THUNK(__VA_ARGS__)},
#define FW_MSG(msg, ...) FW_ENTRY(msg, 0, 0, 0, __VA_ARGS__)

// Argument helpers for the thunks.
#define FW_PT(lp) CPoint((int)(short)LOWORD(lp), (int)(short)HIWORD(lp))
#define FW_WND(h) CWnd::FromHandle((HWND)(h))

// ---- Commands, updates, control notifications ----
#define ON_COMMAND(id, memberFxn) FW_ENTRY(WM_COMMAND, CN_COMMAND, id, id, p->memberFxn(); return TRUE;)
#define ON_COMMAND_EX(id, memberFxn) FW_ENTRY(WM_COMMAND, CN_COMMAND, id, id, return p->memberFxn(c.nID);)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                        \
    FW_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, p->memberFxn(c.nID); return TRUE;)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                                     \
    FW_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, return p->memberFxn(c.nID);)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) ON_UPDATE_COMMAND_UI_RANGE(id, id, memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                              \
    FW_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, CCmdUI* ui = static_cast<CCmdUI*>(c.pExtra);                \
             FwBeginUpdate(ui); p->memberFxn(ui); return FwEndUpdate(ui);)
#define ON_CONTROL(code, id, memberFxn) FW_ENTRY(WM_COMMAND, code, id, id, p->memberFxn(); return TRUE;)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                                                  \
    FW_ENTRY(WM_COMMAND, code, id, idLast, p->memberFxn(c.nID); return TRUE;)
#define ON_NOTIFY(code, id, memberFxn)                                                                                 \
    FW_ENTRY(WM_NOTIFY, code, id, id, FwNotify* n = static_cast<FwNotify*>(c.pExtra);                                  \
             p->memberFxn(n->pNMHDR, n->pResult); return TRUE;)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                                                   \
    FW_ENTRY(WM_NOTIFY, code, id, idLast, FwNotify* n = static_cast<FwNotify*>(c.pExtra);                              \
             p->memberFxn(c.nID, n->pNMHDR, n->pResult); return TRUE;)
#define ON_NOTIFY_EX(code, id, memberFxn)                                                                              \
    FW_ENTRY(WM_NOTIFY, code, id, id, FwNotify* n = static_cast<FwNotify*>(c.pExtra);                                  \
             return p->memberFxn(c.nID, n->pNMHDR, n->pResult);)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn)                                                                \
    FW_ENTRY(WM_NOTIFY, code, id, idLast, FwNotify* n = static_cast<FwNotify*>(c.pExtra);                              \
             return p->memberFxn(c.nID, n->pNMHDR, n->pResult);)

// ---- Reflected to the control; the parent sees what the control declines ----
#define ON_CONTROL_REFLECT(code, memberFxn)                                                                            \
    FW_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, p->memberFxn(); return TRUE;)
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                                         \
    FW_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, return p->memberFxn();)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                             \
    FW_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, FwNotify* n = static_cast<FwNotify*>(c.pExtra);                  \
             p->memberFxn(n->pNMHDR, n->pResult); return TRUE;)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                                          \
    FW_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, FwNotify* n = static_cast<FwNotify*>(c.pExtra);                  \
             return p->memberFxn(n->pNMHDR, n->pResult);)
// HBRUSH CtlColor(CDC*, UINT nCtlColor); a null brush leaves the message to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    FW_MSG(WM_REFLECT_BASE + WM_CTLCOLOR,                                                                              \
           HBRUSH h = p->CtlColor(CDC::FromHandle((HDC)c.wParam), c.message - WM_CTLCOLORMSGBOX);                      \
           c.lResult = (LRESULT)h; return h != nullptr;)
#define ON_WM_DRAWITEM_REFLECT()                                                                                       \
    FW_MSG(WM_REFLECT_BASE + WM_DRAWITEM, p->DrawItem((LPDRAWITEMSTRUCT)c.lParam); c.lResult = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM_REFLECT()                                                                                    \
    FW_MSG(WM_REFLECT_BASE + WM_MEASUREITEM, p->MeasureItem((LPMEASUREITEMSTRUCT)c.lParam); c.lResult = TRUE;          \
           return TRUE;)
#define ON_WM_HSCROLL_REFLECT()                                                                                        \
    FW_MSG(WM_REFLECT_BASE + WM_HSCROLL, p->HScroll(LOWORD(c.wParam), HIWORD(c.wParam)); return TRUE;)
#define ON_WM_VSCROLL_REFLECT()                                                                                        \
    FW_MSG(WM_REFLECT_BASE + WM_VSCROLL, p->VScroll(LOWORD(c.wParam), HIWORD(c.wParam)); return TRUE;)

// ---- User and registered messages: LRESULT fn(WPARAM, LPARAM) ----
#define ON_MESSAGE(message, memberFxn) FW_MSG(message, c.lResult = p->memberFxn(c.wParam, c.lParam); return TRUE;)
#define ON_MESSAGE_VOID(message, memberFxn) FW_MSG(message, p->memberFxn(); return TRUE;)
// nMessageVariable is a UINT variable filled by RegisterWindowMessage, possibly after the map was built.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                             \
    {                                                                                                                  \
        0, 0, 0, 0, &(nMessageVariable), FW_THUNK(c.lResult = p->memberFxn(c.wParam, c.lParam); return TRUE;)          \
    }                                                                                                                  \
    ,

// ---- Standard window messages ----
#define ON_WM_CREATE() FW_MSG(WM_CREATE, c.lResult = p->OnCreate((LPCREATESTRUCT)c.lParam); return TRUE;)
#define ON_WM_DESTROY() FW_MSG(WM_DESTROY, p->OnDestroy(); return TRUE;)
#define ON_WM_NCDESTROY() FW_MSG(WM_NCDESTROY, p->OnNcDestroy(); return TRUE;)
#define ON_WM_CLOSE() FW_MSG(WM_CLOSE, p->OnClose(); return TRUE;)
#define ON_WM_PAINT() FW_MSG(WM_PAINT, p->OnPaint(); return TRUE;)
#define ON_WM_NCPAINT() FW_MSG(WM_NCPAINT, p->OnNcPaint(); return TRUE;)
#define ON_WM_ERASEBKGND()                                                                                             \
    FW_MSG(WM_ERASEBKGND, c.lResult = p->OnEraseBkgnd(CDC::FromHandle((HDC)c.wParam)); return TRUE;)
#define ON_WM_SIZE()                                                                                                   \
    FW_MSG(WM_SIZE, p->OnSize((UINT)c.wParam, (int)(short)LOWORD(c.lParam), (int)(short)HIWORD(c.lParam)); return TRUE;)
#define ON_WM_SIZING() FW_MSG(WM_SIZING, p->OnSizing((UINT)c.wParam, (LPRECT)c.lParam); c.lResult = TRUE; return TRUE;)
#define ON_WM_MOVE()                                                                                                   \
    FW_MSG(WM_MOVE, p->OnMove((int)(short)LOWORD(c.lParam), (int)(short)HIWORD(c.lParam)); return TRUE;)
#define ON_WM_TIMER() FW_MSG(WM_TIMER, p->OnTimer((UINT_PTR)c.wParam); return TRUE;)
#define ON_WM_SHOWWINDOW() FW_MSG(WM_SHOWWINDOW, p->OnShowWindow((BOOL)c.wParam, (UINT)c.lParam); return TRUE;)
#define ON_WM_ENABLE() FW_MSG(WM_ENABLE, p->OnEnable((BOOL)c.wParam); return TRUE;)
#define ON_WM_ACTIVATE()                                                                                               \
    FW_MSG(WM_ACTIVATE, p->OnActivate(LOWORD(c.wParam), FW_WND(c.lParam), (BOOL)HIWORD(c.wParam)); return TRUE;)
#define ON_WM_ACTIVATEAPP() FW_MSG(WM_ACTIVATEAPP, p->OnActivateApp((BOOL)c.wParam, (DWORD)c.lParam); return TRUE;)
#define ON_WM_NCACTIVATE() FW_MSG(WM_NCACTIVATE, c.lResult = p->OnNcActivate((BOOL)c.wParam); return TRUE;)
#define ON_WM_MOUSEACTIVATE()                                                                                          \
    FW_MSG(WM_MOUSEACTIVATE, c.lResult = p->OnMouseActivate(FW_WND(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));     \
           return TRUE;)
#define ON_WM_SETFOCUS() FW_MSG(WM_SETFOCUS, p->OnSetFocus(FW_WND(c.wParam)); return TRUE;)
#define ON_WM_KILLFOCUS() FW_MSG(WM_KILLFOCUS, p->OnKillFocus(FW_WND(c.wParam)); return TRUE;)
#define ON_WM_GETMINMAXINFO() FW_MSG(WM_GETMINMAXINFO, p->OnGetMinMaxInfo((MINMAXINFO*)c.lParam); return TRUE;)
#define ON_WM_WINDOWPOSCHANGING()                                                                                      \
    FW_MSG(WM_WINDOWPOSCHANGING, p->OnWindowPosChanging((WINDOWPOS*)c.lParam); return TRUE;)
#define ON_WM_WINDOWPOSCHANGED() FW_MSG(WM_WINDOWPOSCHANGED, p->OnWindowPosChanged((WINDOWPOS*)c.lParam); return TRUE;)
#define ON_WM_STYLECHANGED()                                                                                           \
    FW_MSG(WM_STYLECHANGED, p->OnStyleChanged((int)c.wParam, (LPSTYLESTRUCT)c.lParam); return TRUE;)
#define ON_WM_NCCALCSIZE()                                                                                             \
    FW_MSG(WM_NCCALCSIZE, p->OnNcCalcSize((BOOL)c.wParam, (NCCALCSIZE_PARAMS*)c.lParam); return TRUE;)
#define ON_WM_NCHITTEST() FW_MSG(WM_NCHITTEST, c.lResult = p->OnNcHitTest(FW_PT(c.lParam)); return TRUE;)
#define ON_WM_SETCURSOR()                                                                                              \
    FW_MSG(WM_SETCURSOR, c.lResult = p->OnSetCursor(FW_WND(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)); return TRUE;)
#define ON_WM_MOUSEMOVE() FW_MSG(WM_MOUSEMOVE, p->OnMouseMove((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_LBUTTONDOWN() FW_MSG(WM_LBUTTONDOWN, p->OnLButtonDown((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_LBUTTONUP() FW_MSG(WM_LBUTTONUP, p->OnLButtonUp((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_LBUTTONDBLCLK()                                                                                          \
    FW_MSG(WM_LBUTTONDBLCLK, p->OnLButtonDblClk((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_RBUTTONDOWN() FW_MSG(WM_RBUTTONDOWN, p->OnRButtonDown((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_RBUTTONUP() FW_MSG(WM_RBUTTONUP, p->OnRButtonUp((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_RBUTTONDBLCLK()                                                                                          \
    FW_MSG(WM_RBUTTONDBLCLK, p->OnRButtonDblClk((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_MBUTTONDOWN() FW_MSG(WM_MBUTTONDOWN, p->OnMButtonDown((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_MBUTTONUP() FW_MSG(WM_MBUTTONUP, p->OnMButtonUp((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_MOUSEWHEEL()                                                                                             \
    FW_MSG(WM_MOUSEWHEEL, c.lResult = p->OnMouseWheel(LOWORD(c.wParam), (short)HIWORD(c.wParam), FW_PT(c.lParam));     \
           return TRUE;)
#define ON_WM_MOUSELEAVE() FW_MSG(WM_MOUSELEAVE, p->OnMouseLeave(); return TRUE;)
#define ON_WM_MOUSEHOVER() FW_MSG(WM_MOUSEHOVER, p->OnMouseHover((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_NCMOUSEMOVE() FW_MSG(WM_NCMOUSEMOVE, p->OnNcMouseMove((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_NCLBUTTONDOWN()                                                                                          \
    FW_MSG(WM_NCLBUTTONDOWN, p->OnNcLButtonDown((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_NCLBUTTONUP() FW_MSG(WM_NCLBUTTONUP, p->OnNcLButtonUp((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_NCLBUTTONDBLCLK()                                                                                        \
    FW_MSG(WM_NCLBUTTONDBLCLK, p->OnNcLButtonDblClk((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_NCRBUTTONDOWN()                                                                                          \
    FW_MSG(WM_NCRBUTTONDOWN, p->OnNcRButtonDown((UINT)c.wParam, FW_PT(c.lParam)); return TRUE;)
#define ON_WM_CAPTURECHANGED() FW_MSG(WM_CAPTURECHANGED, p->OnCaptureChanged(FW_WND(c.lParam)); return TRUE;)
#define ON_WM_CANCELMODE() FW_MSG(WM_CANCELMODE, p->OnCancelMode(); return TRUE;)
#define ON_WM_KEYDOWN()                                                                                                \
    FW_MSG(WM_KEYDOWN, p->OnKeyDown((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)); return TRUE;)
#define ON_WM_KEYUP() FW_MSG(WM_KEYUP, p->OnKeyUp((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)); return TRUE;)
#define ON_WM_CHAR() FW_MSG(WM_CHAR, p->OnChar((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)); return TRUE;)
#define ON_WM_SYSKEYDOWN()                                                                                             \
    FW_MSG(WM_SYSKEYDOWN, p->OnSysKeyDown((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)); return TRUE;)
#define ON_WM_SYSCOMMAND() FW_MSG(WM_SYSCOMMAND, p->OnSysCommand((UINT)c.wParam, c.lParam); return TRUE;)
#define ON_WM_GETDLGCODE() FW_MSG(WM_GETDLGCODE, c.lResult = p->OnGetDlgCode(); return TRUE;)
#define ON_WM_HSCROLL()                                                                                                \
    FW_MSG(WM_HSCROLL, p->OnHScroll(LOWORD(c.wParam), HIWORD(c.wParam), (CScrollBar*)FW_WND(c.lParam)); return TRUE;)
#define ON_WM_VSCROLL()                                                                                                \
    FW_MSG(WM_VSCROLL, p->OnVScroll(LOWORD(c.wParam), HIWORD(c.wParam), (CScrollBar*)FW_WND(c.lParam)); return TRUE;)
// HBRUSH OnCtlColor(CDC*, CWnd*, UINT nCtlColor): one entry for every WM_CTLCOLOR* message.
#define ON_WM_CTLCOLOR()                                                                                               \
    FW_MSG(WM_CTLCOLOR,                                                                                                \
           c.lResult = (LRESULT)p->OnCtlColor(CDC::FromHandle((HDC)c.wParam), FW_WND(c.lParam),                        \
                                              c.message - WM_CTLCOLORMSGBOX);                                          \
           return TRUE;)
#define ON_WM_DRAWITEM()                                                                                               \
    FW_MSG(WM_DRAWITEM, p->OnDrawItem((int)c.wParam, (LPDRAWITEMSTRUCT)c.lParam); c.lResult = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM()                                                                                            \
    FW_MSG(WM_MEASUREITEM, p->OnMeasureItem((int)c.wParam, (LPMEASUREITEMSTRUCT)c.lParam); c.lResult = TRUE;           \
           return TRUE;)
#define ON_WM_CONTEXTMENU() FW_MSG(WM_CONTEXTMENU, p->OnContextMenu(FW_WND(c.wParam), FW_PT(c.lParam)); return TRUE;)
#define ON_WM_INITMENUPOPUP()                                                                                          \
    FW_MSG(WM_INITMENUPOPUP,                                                                                           \
           p->OnInitMenuPopup(CMenu::FromHandle((HMENU)c.wParam), LOWORD(c.lParam), (BOOL)HIWORD(c.lParam));           \
           return TRUE;)
#define ON_WM_MENUSELECT()                                                                                             \
    FW_MSG(WM_MENUSELECT, p->OnMenuSelect(LOWORD(c.wParam), HIWORD(c.wParam), (HMENU)c.lParam); return TRUE;)
#define ON_WM_SETTINGCHANGE()                                                                                          \
    FW_MSG(WM_SETTINGCHANGE, p->OnSettingChange((UINT)c.wParam, (LPCSTR)c.lParam); return TRUE;)
#define ON_WM_SYSCOLORCHANGE() FW_MSG(WM_SYSCOLORCHANGE, p->OnSysColorChange(); return TRUE;)
#define ON_WM_HELPINFO() FW_MSG(WM_HELPINFO, c.lResult = p->OnHelpInfo((HELPINFO*)c.lParam); return TRUE;)
#define ON_WM_DROPFILES() FW_MSG(WM_DROPFILES, p->OnDropFiles((HDROP)c.wParam); return TRUE;)
#define ON_WM_QUERYENDSESSION() FW_MSG(WM_QUERYENDSESSION, c.lResult = p->OnQueryEndSession(); return TRUE;)
#define ON_WM_ENDSESSION() FW_MSG(WM_ENDSESSION, p->OnEndSession((BOOL)c.wParam); return TRUE;)

// ---- Common control notifications through WM_COMMAND ----
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// Around an update handler: FwEndUpdate is FALSE when the handler asked to continue routing.
void FwBeginUpdate(CCmdUI* pCmdUI);
BOOL FwEndUpdate(CCmdUI* pCmdUI);
