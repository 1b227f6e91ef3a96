// CWTKCommandManager: the process-wide table of command images (standard images, loaded with
// toolbar resources, and user images, drawn by the user) and the list of commands that menus
// show without an image. The workspace loads and saves the list through CWTKCommandManagerBase.
#pragma once
#include "core/List.h"
#include "core/Map.h"
#include "foundation/WTKCommandManagerBase.h"

// The toolbars' default registry section.
constexpr char kWTKToolBarsSection[] = "WTKToolBars";

class CWTKCommandManager : public CWTKCommandManagerBase {
public:
    // The key below the section path: "%sWTKCommandManager".
    static constexpr char kRegistryKeyFormat[] = "%sWTKCommandManager";
    static constexpr char kCommandsWithoutImagesValue[] = "CommandsWithoutImages";
    // More commands than this in the stored list is a damaged value: a user marks them one at a
    // time, and every menu item drawn looks its command up in the list.
    static constexpr DWORD kMaxCommandsWithoutImages = 1000;

    // The process's manager is WTKGetCmdMgr(), the one the workspace knows.
    CWTKCommandManager() = default;
    ~CWTKCommandManager() override;
    CWTKCommandManager(const CWTKCommandManager&) = delete;
    CWTKCommandManager& operator=(const CWTKCommandManager&) = delete;

    // Ids 0 and 0xFFFFFFFF are ignored, and so is an id that already has an image of the other
    // kind: a command has at most one image entry.
    void SetCmdImage(UINT uiCmd, int iImage, BOOL bUserImage);
    // -1 when the command has no image of that kind.
    int GetCmdImage(UINT uiCmd, BOOL bUserImage) const;
    // Forgets the command's user image.
    void ClearCmdImage(UINT uiCmd);

    // FALSE adds the command to the commands without images (once), TRUE takes it off.
    void EnableMenuItemImage(UINT uiCmd, BOOL bEnable = TRUE);
    BOOL IsMenuItemWithoutImage(UINT uiCmd) const;
    const CList<UINT, UINT>& GetCommandsWithoutImages() const { return m_lstCommandsWithoutImages; }

    void CleanUp();

    // The commands without images under the section path. Loading adds the stored commands
    // that are not in the list yet; a damaged or missing value answers FALSE and leaves the
    // list as it was.
    BOOL LoadState(LPCTSTR lpszProfileName) override;
    BOOL SaveState(LPCTSTR lpszProfileName) override;

protected:
    static CString GetRegistryKey(LPCTSTR lpszProfileName);

    CMap<UINT, UINT, int, int> m_CommandIndex;
    CMap<UINT, UINT, int, int> m_CommandIndexUser;
    CList<UINT, UINT> m_lstCommandsWithoutImages;
};

// The process's command manager, made before the program starts and registered as the
// workspace's command manager.
CWTKCommandManager* WTKGetCmdMgr();
int WTKGetCmdImage(UINT uiCmd, BOOL bUserImage = FALSE);
// The toolkit's clean-up step for the command manager.
void WTKCleanUpCmdMgr();
