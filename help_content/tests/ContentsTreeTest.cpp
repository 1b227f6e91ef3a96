#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ContentModule.h"
#include "core/Rect.h"
#include "win/TreeCtrl.h"

namespace {

// What one tree item shows, read back through the control's own messages.
struct Item {
    std::string text;
    LPARAM data = 0;
    int image = -1;
    int selectedImage = -1;
    bool expanded = false;
    std::vector<Item> children;
};

Item ReadItem(HWND hTree, HTREEITEM hItem)
{
    char text[256] = "";
    TVITEMA tvi {};
    tvi.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    tvi.hItem = hItem;
    tvi.pszText = text;
    tvi.cchTextMax = sizeof text;
    tvi.stateMask = TVIS_EXPANDED;
    SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
    Item item {text, tvi.lParam, tvi.iImage, tvi.iSelectedImage, (tvi.state & TVIS_EXPANDED) != 0, {}};
    for (HTREEITEM hChild = TreeView_GetChild(hTree, hItem); hChild; hChild = TreeView_GetNextSibling(hTree, hChild))
        item.children.push_back(ReadItem(hTree, hChild));
    return item;
}

// One image of a list drawn on white: the colour at a point.
COLORREF ImagePixel(HIMAGELIST hImages, int nImage, int x, int y)
{
    BITMAPINFO bmi {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = 16;
    bmi.bmiHeader.biHeight = -16;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HDC hdc = CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hdc, hBitmap);
    PatBlt(hdc, 0, 0, 16, 16, WHITENESS);
    ImageList_Draw(hImages, nImage, hdc, 0, 0, ILD_NORMAL);
    const COLORREF colour = GetPixel(hdc, x, y);
    SelectObject(hdc, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hdc);
    return colour;
}

std::vector<Item> ReadTree(HWND hTree)
{
    std::vector<Item> items;
    for (HTREEITEM h = TreeView_GetRoot(hTree); h; h = TreeView_GetNextSibling(hTree, h))
        items.push_back(ReadItem(hTree, h));
    return items;
}

// The contents under the root: each topic with the topics of its folder.
const struct {
    int topic;
    std::vector<int> pages;
} kContents[] = {
    {0, {}},  {1, {}}, {2, {}}, {3, {4, 5, 6, 7}}, {8, {9, 10, 11, 12}}, {13, {14, 15}}, {16, {17, 18, 19, 20, 21}},
    {22, {}},
};

class ContentsTree : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(m.loadContents, nullptr);
        m_hParent = CreateWindowA("STATIC", "Contents", WS_OVERLAPPEDWINDOW, 0, 0, 300, 400, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(m_hParent, nullptr);
        const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
        ASSERT_TRUE(m_tree.Create(style, CRect(0, 0, 280, 380), CWnd::FromHandle(m_hParent), 108));
    }

    void TearDown() override
    {
        m_tree.DestroyWindow();
        DestroyWindow(m_hParent);
    }

    void ExpectTheContents() const
    {
        const HWND hTree = m_tree.GetSafeHwnd();
        EXPECT_EQ(SendMessageA(hTree, TVM_GETCOUNT, 0, 0), 24);
        const std::vector<Item> top = ReadTree(hTree);
        ASSERT_EQ(top.size(), 1u);
        const Item& root = top[0];
        EXPECT_EQ(root.text, "Tolvek Glyphora");
        EXPECT_EQ(root.data, -1);
        EXPECT_EQ(root.image, 1);
        EXPECT_EQ(root.selectedImage, 1);
        EXPECT_TRUE(root.expanded);

        ASSERT_EQ(root.children.size(), std::size(kContents));
        for (size_t i = 0; i < root.children.size(); ++i) {
            const Item& child = root.children[i];
            const bool folder = !kContents[i].pages.empty();
            SCOPED_TRACE(child.text);
            EXPECT_EQ(child.data, kContents[i].topic);
            EXPECT_EQ(child.text, TextOf(m.getTopic, kContents[i].topic));
            EXPECT_EQ(child.image, folder ? 0 : 2);
            EXPECT_EQ(child.selectedImage, folder ? 0 : 2);
            EXPECT_FALSE(child.expanded);
            ASSERT_EQ(child.children.size(), kContents[i].pages.size());
            for (size_t p = 0; p < child.children.size(); ++p) {
                const Item& page = child.children[p];
                EXPECT_EQ(page.data, kContents[i].pages[p]);
                EXPECT_EQ(page.text, TextOf(m.getTopic, kContents[i].pages[p]));
                EXPECT_EQ(page.image, 2);
                EXPECT_EQ(page.selectedImage, 2);
                EXPECT_TRUE(page.children.empty());
            }
        }
    }

    const ContentModule& m = TheContentModule();
    HWND m_hParent = nullptr;
    CTreeCtrl m_tree;
};

TEST_F(ContentsTree, FillsTheCallersTreeAndExpandsOnlyTheRoot)
{
    EXPECT_TRUE(m.loadContents(&m_tree));
    ExpectTheContents();

    const HIMAGELIST hImages = TreeView_GetImageList(m_tree.GetSafeHwnd(), TVSIL_NORMAL);
    ASSERT_NE(hImages, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(hImages), 3);
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(hImages, &cx, &cy));
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    // Folder, book and page, in that order, each with a transparent corner.
    const COLORREF folder = ImagePixel(hImages, 0, 5, 8);
    EXPECT_TRUE(GetRValue(folder) > 200 && GetBValue(folder) < 120) << std::hex << folder;
    const COLORREF book = ImagePixel(hImages, 1, 5, 8);
    EXPECT_TRUE(GetBValue(book) > 150 && GetRValue(book) < 80) << std::hex << book;
    const COLORREF line = ImagePixel(hImages, 2, 5, 6);
    EXPECT_TRUE(GetRValue(line) > 100 && GetRValue(line) < 160 && GetRValue(line) == GetBValue(line))
        << std::hex << line;
    for (int image = 0; image < 3; ++image)
        EXPECT_EQ(ImagePixel(hImages, image, 0, 0), RGB(255, 255, 255)) << image;
}

TEST_F(ContentsTree, ASecondCallRebuildsTheSameTreeFromNothing)
{
    EXPECT_TRUE(m.loadContents(&m_tree));
    // The user's own changes go: a collapsed root and an extra item.
    m_tree.Expand(m_tree.GetRootItem(), TVE_COLLAPSE);
    m_tree.InsertItem("stray", 0, 0, TVI_ROOT, TVI_LAST);
    EXPECT_TRUE(m.loadContents(&m_tree));
    ExpectTheContents();
}

TEST_F(ContentsTree, ATreeObjectWithoutAWindowIsRefused)
{
    CTreeCtrl unattached;
    EXPECT_FALSE(m.loadContents(&unattached));
}

// The module relies on nothing of the caller's object but the window handle at its fixed
// place: an object from a binary whose class has a different table (here none at all)
// still gets its tree.
TEST_F(ContentsTree, OnlyTheWindowHandleOfTheCallersObjectIsRead)
{
    struct ForeignLayout {
        const void* table;  // never called through
        HWND hWnd;
    } foreign {reinterpret_cast<const void*>(0x1), m_tree.GetSafeHwnd()};
    static_assert(offsetof(ForeignLayout, hWnd) == kTreeCtrlHandleOffset);
    EXPECT_TRUE(m.loadContents(reinterpret_cast<CTreeCtrl*>(&foreign)));
    ExpectTheContents();
}

}  // namespace
