#include "HelpContentApp.h"

#include <iterator>
#include <memory>
#include <type_traits>

#include "TextCopy.h"
#include "win/TreeCtrl.h"

namespace {
CHelpContentApp theApp;
}

CHelpContentApp& HelpContentApp()
{
    return theApp;
}

CHelpContentApp::CHelpContentApp() = default;

BOOL CHelpContentApp::InitInstance()
{
    LoadTables();
    CreateContentsImages();
    return CWinApp::InitInstance();
}

void CHelpContentApp::LoadTables()
{
    for (int e = 0; e < kTopicCount; ++e) {
        m_titles[e].LoadString(IDS_TITLE_FIRST + e);
        m_keywords[e].LoadString(kTopics[e].keywordsId);
        m_addresses[e].Format(kAddressFormat, e + 1);
    }
}

// Without these images the tree still lists every topic, so a failure here does not stop
// the module from loading.
void CHelpContentApp::CreateContentsImages()
{
    const int nIcons = static_cast<int>(std::size(kContentsIcons));
    if (!m_contentsImages.Create(kIconSize, kIconSize, ILC_COLOR16 | ILC_MASK, nIcons, 0))
        return;
    for (UINT nIconId : kContentsIcons) {
        // Loaded at the list's own size; the list keeps a copy of the image.
        const std::unique_ptr<std::remove_pointer_t<HICON>, decltype(&DestroyIcon)> icon(
            static_cast<HICON>(LoadImageA(FwFindResourceHandle(MAKEINTRESOURCEA(nIconId), RT_GROUP_ICON),
                                          MAKEINTRESOURCEA(nIconId), IMAGE_ICON, kIconSize, kIconSize,
                                          LR_DEFAULTCOLOR)),
            &DestroyIcon);
        if (!icon || m_contentsImages.Add(icon.get()) < 0)
            return;
    }
}

const CString* CHelpContentApp::Entry(const CString (&table)[kTopicCount], int nIndex)
{
    return nIndex >= 0 && nIndex < kTopicCount ? &table[nIndex] : nullptr;
}

int CHelpContentApp::CopyTitle(int nIndex, LPSTR lpszBuffer) const
{
    const CString* pText = Entry(m_titles, nIndex);
    return CopyToViewerBuffer(pText ? pText->GetString() : "", lpszBuffer);
}

int CHelpContentApp::CopyKeywords(int nIndex, LPSTR lpszBuffer) const
{
    const CString* pText = Entry(m_keywords, nIndex);
    return CopyToViewerBuffer(pText ? pText->GetString() : "", lpszBuffer);
}

int CHelpContentApp::CopyAddress(int nIndex, LPSTR lpszBuffer) const
{
    const CString* pText = Entry(m_addresses, nIndex);
    return CopyToViewerBuffer(pText ? pText->GetString() : "", lpszBuffer);
}

BOOL CHelpContentApp::LoadContents(HWND hTree)
{
    // This module's own wrapper over the caller's window, let go before returning.
    CTreeCtrl tree;
    tree.Attach(hTree);
    struct Release {
        CTreeCtrl& tree;
        ~Release() { tree.Detach(); }
    } release {tree};

    tree.DeleteAllItems();
    tree.SetImageList(m_contentsImages.GetSafeHandle(), TVSIL_NORMAL);

    HTREEITEM hRoot = tree.InsertItem(kRootText, kImageRoot, kImageRoot, TVI_ROOT, TVI_LAST);
    tree.SetItemData(hRoot, static_cast<DWORD_PTR>(kRootItemData));

    HTREEITEM hFolder = hRoot;
    for (int e = 0; e < kTopicCount; ++e) {
        const TopicPlace place = kTopics[e].place;
        const HTREEITEM hParent = place == TopicPlace::PageInFolder ? hFolder : hRoot;
        const int nImage = place == TopicPlace::FolderUnderRoot ? kImageFolder : kImagePage;
        HTREEITEM hItem = tree.InsertItem(m_titles[e], nImage, nImage, hParent, TVI_LAST);
        tree.SetItemData(hItem, static_cast<DWORD_PTR>(e));
        if (place == TopicPlace::FolderUnderRoot)
            hFolder = hItem;
    }
    return tree.Expand(hRoot, TVE_EXPAND);
}
