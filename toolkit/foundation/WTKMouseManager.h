// CWTKMouseManager: the commands a user binds to a double click in a kind of view. The
// application registers its views (id, name, icon); the workspace runs the bound command when
// a view reports a double click, and loads and saves the bindings.
//
// Registry: BuildRegistryPath("WTKMouseManager", profile), value "Mouse": an archive of a
// 32-bit count and that many (view id, command id) pairs of 32-bit values.
#pragma once
#include "foundation/WTKMouseManagerBase.h"

#include "core/Map.h"
#include "core/Object.h"
#include "core/String.h"

class CStringList;

class CWTKMouseManager : public CObject, public CWTKMouseManagerBase {
    DECLARE_SERIAL(CWTKMouseManager)
public:
    static constexpr int kPairBytes = 8;
    static constexpr int kCountBytes = 4;

    // Becomes the process-wide mouse manager.
    CWTKMouseManager();
    ~CWTKMouseManager() override;
    CWTKMouseManager(const CWTKMouseManager&) = delete;
    CWTKMouseManager& operator=(const CWTKMouseManager&) = delete;

    // Registers a view for the Mouse page; FALSE for an empty name or an id already taken by
    // another name.
    BOOL AddView(int iViewId, LPCTSTR lpszViewName, UINT uiIconId = 0);

    UINT GetViewDblClickCommand(int iViewId) const override;
    // A non-zero command binds (or rebinds) the view; 0 removes its binding.
    void SetViewDblClickCommand(int iViewId, UINT uiCmd);
    void GetViewNames(CStringList& listOfNames) const;
    // -1 when no view has exactly this name.
    int GetViewIdByName(LPCTSTR lpszName) const;
    UINT GetViewIconId(int iViewId) const;
    INT_PTR GetBindingCount() const { return m_ViewsToCommands.GetCount(); }

    BOOL LoadState(LPCTSTR lpszProfileName) override;
    BOOL SaveState(LPCTSTR lpszProfileName) override;
    void Serialize(CArchive& ar) override;

protected:
    CMap<CString, const CString&, int, int> m_ViewsNames;
    CMap<UINT, UINT, UINT, UINT> m_ViewsToCommands;
    CMap<UINT, UINT, UINT, UINT> m_ViewsToIcons;
};
