// CCmdTarget: the root of everything that receives commands through a message map.
#pragma once
#include "core/Object.h"
#include "win/MessageMap.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command (nCode: notification code in the low word, message in the high
    // word, or CN_UPDATE_COMMAND_UI) through this object's map. With pHandlerInfo, only
    // reports the handler that would run. Frames, views and documents override this
    // to route further.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo);

    // Finds the entry for message/code/id in the map chain of this object.
    const FwMsgMapEntry* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

protected:
    static const FwMsgMap* GetThisMessageMap();
    virtual const FwMsgMap* GetMessageMap() const;
};
