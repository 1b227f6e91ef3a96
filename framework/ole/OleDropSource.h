// COleDropSource: the system's drop source (IDropSource) for the drags that a
// COleDataSource starts. It decides when a pressed mouse turns into a drag (OnBeginDrag),
// when the drag drops or is cancelled (QueryContinueDrag) and which cursor shows
// (GiveFeedback). Constructing one calls no OLE, so a process-wide instance may be a static.
#pragma once
#include "ole/DropEffect.h"
#include "win/CmdTarget.h"
#include "core/Rect.h"

class CWnd;

class COleDropSource : public CCmdTarget {
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource() = default;
    ~COleDropSource() override = default;
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    // DRAGDROP_S_CANCEL on Escape or when the cancelling mouse button goes down,
    // DRAGDROP_S_DROP when the dragging button is up, else S_OK (the drag goes on).
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    // DRAGDROP_S_USEDEFAULTCURSORS: the system's drag cursors.
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // Called with the mouse button still down, before the system's drag starts: TRUE once
    // the mouse leaves the start rectangle or the drag delay passes; FALSE when the button
    // is released, Escape is pressed or pWnd loses the capture first, and at once when no
    // button is down. The button held drags, the other one cancels. pWnd (which takes the
    // capture meanwhile) may be null: the drag then starts at once.
    virtual BOOL OnBeginDrag(CWnd* pWnd);

    // The interface the system calls (no reference added); the object's own lifetime
    // is its owner's business, references do not keep it alive.
    IDropSource* GetDropSource() { return &m_xDropSource; }

protected:
    CRect m_rectStartDrag;                // screen coordinates
    DWORD m_dwButtonDrop = MK_LBUTTON;    // the button that drags: its release drops
    DWORD m_dwButtonCancel = MK_RBUTTON;  // the other button: pressing it cancels

private:
    friend class COleDataSource;  // sets the start rectangle for each drag

    // How a message seen before the drag starts ends the wait, if it does.
    enum BeginVerdict { beginWait, beginDrag, beginNever };
    BeginVerdict BeginVerdictOf(const MSG& msg) const;
    BOOL ChooseButtons();
    BOOL WaitForBeginDrag(HWND hWnd);

    class XDropSource : public IDropSource {
    public:
        explicit XDropSource(COleDropSource* pOwner) : m_pOwner(pOwner) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override;
        STDMETHODIMP GiveFeedback(DWORD dwEffect) override;

    private:
        COleDropSource* m_pOwner;
    };
    XDropSource m_xDropSource {this};
    LONG m_nRefs = 0;
};
