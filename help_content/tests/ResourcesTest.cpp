#include <windows.h>
#include <olectl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "ContentModule.h"

namespace {

const char* const kImages[] = {
    "ACCESS.GIF",     "BAS.GIF",         "BHELPER.GIF", "BHELPERFULL.GIF", "DLL.GIF",         "DOT.GIF",
    "EXCELMACRO.GIF", "FOLDER.GIF",      "FONT.GIF",    "FULLASCII.GIF",   "H.GIF",           "HELP.GIF",
    "HELPER.GIF",     "INPUT.GIF",       "LIB.GIF",     "LOW.GIF",         "NEWFROMTEMP.GIF", "NEWFROMXLT.GIF",
    "PAINT.GIF",      "PDF-FONT.GIF",    "PDF.GIF",     "PRINT.GIF",       "REFERENCE.GIF",   "WORDINS.GIF",
    "WORDSEL.GIF",    "WORDTOOLBAR.GIF", "WWW.GIF",     "X-DIM.GIF",       "XLT.GIF",
};
// Carried in the module, referenced by no page.
const std::set<std::string> kUnreferencedImages = {"WORDSEL.GIF", "WWW.GIF", "LIB.GIF"};
const LPCSTR kHtml = MAKEINTRESOURCEA(23);

std::string ResourceText(HMODULE hModule, LPCSTR name, LPCSTR type)
{
    HRSRC hInfo = FindResourceA(hModule, name, type);
    if (!hInfo)
        return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(hModule, hInfo)));
    return std::string(data, SizeofResource(hModule, hInfo));
}

std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(toupper(c)); });
    return s;
}

// Decodes a GIF with the platform's picture loader; the picture's size in pixels.
SIZE DecodePicture(const std::string& bytes)
{
    SIZE size {};
    HGLOBAL hMemory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    memcpy(GlobalLock(hMemory), bytes.data(), bytes.size());
    GlobalUnlock(hMemory);
    IStream* pStream = nullptr;
    IPicture* pPicture = nullptr;
    if (SUCCEEDED(CreateStreamOnHGlobal(hMemory, TRUE, &pStream))) {
        if (SUCCEEDED(OleLoadPicture(pStream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                     reinterpret_cast<void**>(&pPicture)))) {
            OLE_XSIZE_HIMETRIC cx = 0;
            OLE_YSIZE_HIMETRIC cy = 0;
            pPicture->get_Width(&cx);
            pPicture->get_Height(&cy);
            size.cx = cx;
            size.cy = cy;
            pPicture->Release();
        }
        pStream->Release();
    }
    return size;
}

class Resources : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(hModule, nullptr); }

    std::string Page(int n) const { return ResourceText(hModule, MAKEINTRESOURCEA(n), kHtml); }

    HMODULE hModule = TheContentModule().hModule;
};

TEST_F(Resources, EveryPageHasItsTopicTitleAndTheCommonLayout)
{
    const std::regex title("<title>([^<]*)</title>");
    const std::regex rule("<hr size=\"1\">");
    const std::regex footer("<hr size=\"1\">\\s*<table[^>]*>\\s*<tr>\\s*<td>[^<]*Tolvek[^<]*</td>\\s*<td[^>]*>"
                            "<a href=\"http://[^\"]+\" target=\"_blank\">[^<]+</a></td>\\s*</tr>\\s*</table>"
                            "\\s*</body>\\s*</html>\\s*$");
    for (int n = 1; n <= 23; ++n) {
        SCOPED_TRACE(n);
        const std::string page = Page(n);
        ASSERT_FALSE(page.empty());
        std::smatch match;
        ASSERT_TRUE(std::regex_search(page, match, title));
        char topic[256] = "";
        LoadStringA(hModule, n, topic, sizeof topic);
        EXPECT_EQ(match[1].str(), topic);
        EXPECT_NE(page.find("<b>" + match[1].str() + "</b>"), std::string::npos) << "bold heading";
        EXPECT_NE(page.find("<link rel=\"stylesheet\" type=\"text/css\" href=\"main.css\">"), std::string::npos);
        EXPECT_EQ(std::distance(std::sregex_iterator(page.begin(), page.end(), rule), std::sregex_iterator()), 2);
        EXPECT_TRUE(std::regex_search(page, footer)) << "footer table";
    }
    EXPECT_TRUE(Page(24).empty());
}

TEST_F(Resources, EveryLinkAndImageResolvesInsideTheModuleOrOpensOutsideInANewWindow)
{
    const std::regex tag("<(a|img|link)\\s[^>]*>", std::regex::icase);
    const std::regex reference("(href|src)=\"([^\"]*)\"", std::regex::icase);
    const std::regex page("([1-9][0-9]*)");
    const std::regex image("img/([a-z0-9.-]+\\.gif)");
    const std::regex outside("https?://[^\\s\"]+");
    std::set<std::string> imagesUsed;
    int nOutsideLinks = 0;

    for (int n = 1; n <= 23; ++n) {
        const std::string text = Page(n);
        for (auto it = std::sregex_iterator(text.begin(), text.end(), tag); it != std::sregex_iterator(); ++it) {
            const std::string element = it->str();
            SCOPED_TRACE("page " + std::to_string(n) + ": " + element);
            std::smatch ref, part;
            ASSERT_TRUE(std::regex_search(element, ref, reference));
            const std::string target = ref[2].str();
            if (std::regex_match(target, part, page)) {
                EXPECT_NE(FindResourceA(hModule, MAKEINTRESOURCEA(std::stoi(part[1].str())), kHtml), nullptr);
            } else if (std::regex_match(target, part, image)) {
                imagesUsed.insert(Upper(part[1].str()));
                EXPECT_NE(FindResourceA(hModule, Upper(part[1].str()).c_str(), "IMG"), nullptr);
            } else if (target == "main.css") {
                EXPECT_NE(FindResourceA(hModule, "MAIN.CSS", kHtml), nullptr);
            } else {
                EXPECT_TRUE(std::regex_match(target, outside));
                EXPECT_NE(element.find("target=\"_blank\""), std::string::npos);
                ++nOutsideLinks;
            }
        }
    }
    std::set<std::string> expected;
    for (const char* name : kImages)
        if (!kUnreferencedImages.count(name))
            expected.insert(name);
    EXPECT_EQ(imagesUsed, expected);
    // The 23 footers and four further pages of the maker or outside articles.
    EXPECT_EQ(nOutsideLinks, 23 + 4);
}

TEST_F(Resources, TheFirstPageLinksToPagesTwoAndFifteenAndImagesInTheModule)
{
    const std::string page = Page(1);
    EXPECT_NE(page.find("href=\"2\""), std::string::npos);
    EXPECT_NE(page.find("href=\"15\""), std::string::npos);
    EXPECT_NE(page.find("src=\"img/folder.gif\""), std::string::npos);
    // Resource names are found whatever the case they are asked in.
    EXPECT_NE(FindResourceA(hModule, "folder.gif", "img"), nullptr);
}

TEST_F(Resources, StyleSheetRules)
{
    const std::string css = ResourceText(hModule, "MAIN.CSS", kHtml);
    const char* const fonts = "font-family: \"Verdana\", \"Arial\", \"Helvetica\", \"sans-serif\"; font-size: 9pt;";
    const char* const rules[] = {
        "body {",
        "table {",
        "a { color: #0033CC; }",
        "a:hover { color: #3333FF; text-decoration: none; }",
    };
    for (const char* rule : rules)
        EXPECT_NE(css.find(rule), std::string::npos) << rule;
    EXPECT_NE(css.find(std::string("body { ") + fonts + " }"), std::string::npos);
    EXPECT_NE(css.find(std::string("table { ") + fonts + " }"), std::string::npos);
}

TEST_F(Resources, TheImagesAreGifsThePictureLoaderDecodes)
{
    CoInitialize(nullptr);
    for (const char* name : kImages) {
        SCOPED_TRACE(name);
        const std::string bytes = ResourceText(hModule, name, "IMG");
        ASSERT_GT(bytes.size(), 6u);
        EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
        const SIZE size = DecodePicture(bytes);
        EXPECT_GT(size.cx, 0);
        EXPECT_GT(size.cy, 0);
    }
    CoUninitialize();
}

TEST_F(Resources, TreeIconsAreSingleSixteenPixelTwentyFourBitImages)
{
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE bWidth, bHeight, bColorCount, bReserved;
        WORD wPlanes, wBitCount;
        DWORD dwBytesInRes;
        WORD nId;
    };
    struct Group {
        WORD idReserved, idType, idCount;
        GroupEntry entries[1];
    };
#pragma pack(pop)
    for (UINT id : {4000u, 4001u, 4002u}) {
        SCOPED_TRACE(id);
        const std::string bytes = ResourceText(hModule, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
        ASSERT_GE(bytes.size(), sizeof(Group));
        const Group* group = reinterpret_cast<const Group*>(bytes.data());
        EXPECT_EQ(group->idCount, 1);
        EXPECT_EQ(group->entries[0].bWidth, 16);
        EXPECT_EQ(group->entries[0].bHeight, 16);
        EXPECT_EQ(group->entries[0].wBitCount, 24);
    }
}

}  // namespace
