// CHelpContentApp: the application object of the help content module. It builds the
// topic tables and the contents image list when the module is loaded and answers the
// module's exports from them.
#pragma once
#include "core/String.h"
#include "gdi/ImageList.h"
#include "win/WinApp.h"
#include "TopicTable.h"

class CTreeCtrl;

class CHelpContentApp : public CWinApp {
public:
    CHelpContentApp();

    BOOL InitInstance() override;

    // Copy into a caller's buffer of kTextBufferSize bytes and return the number of
    // characters copied; an index outside 0 to kTopicCount - 1 copies an empty string.
    int CopyTitle(int nIndex, LPSTR lpszBuffer) const;
    int CopyKeywords(int nIndex, LPSTR lpszBuffer) const;
    int CopyAddress(int nIndex, LPSTR lpszBuffer) const;

    // Rebuilds the whole contents tree in the caller's control; the result of
    // expanding the root.
    BOOL LoadContents(HWND hTree);

private:
    static const CString* Entry(const CString (&table)[kTopicCount], int nIndex);
    void LoadTables();
    void CreateContentsImages();

    CString m_titles[kTopicCount];
    CString m_keywords[kTopicCount];
    CString m_addresses[kTopicCount];
    CImageList m_contentsImages;
};

// The module's one application object.
CHelpContentApp& HelpContentApp();
