// The page engine on its own: parsing, style sheets, "res:" addresses, layout,
// painting into memory bitmaps, and survival of malformed pages.
#include "Canvas.h"
#include "Files.h"
#include "HtmlTestSupport.h"
#include "html/HtmlConstants.h"
#include "html/HtmlDocument.h"
#include "html/HtmlFontCache.h"
#include "html/HtmlLayout.h"
#include "html/HtmlPainter.h"
#include "html/HtmlParser.h"
#include "html/HtmlStyleSheet.h"
#include "html/HtmlTokenizer.h"
#include <algorithm>
#include "html/ResModuleCache.h"
#include "html/ResUrl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>

namespace {

// ---- Parsing -----------------------------------------------------------------

struct ParseCase {
    const char* html;
    const char* outline;
};

const ParseCase kParseCases[] = {
    {"<p>a<p>b", "<p>a</p><p>b</p>"},
    {"<p>x<div>y</div>z", "<p>x</p><div>y</div>z"},
    {"<b>x<i>y</b>z</i>", "<b>x<i>y</i></b>z"},
    {"<ul><li>a<li>b</ul>c", "<ul><li>a</li><li>b</li></ul>c"},
    {"<table><td>x</table>", "<table><tr><td>x</td></tr></table>"},
    {"<table><tr><td>a<td>b<tr><td>c</table>", "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>"},
    {"<table><tr><td><b>x</td><td>y</table>", "<table><tr><td><b>x</b></td><td>y</td></tr></table>"},
    {"<td><b>x</b></td>", "<td><b>x</b></td>"},
    {"<table><tr><td><p>x</b></p></td></tr></table>", "<table><tr><td><p>x</p></td></tr></table>"},
    {"a</div>b", "ab"},
    {"x<br>y</br>z", "x<br></br>y<br></br>z"},
    {"<!-- <p>hidden</p> -->a<!DOCTYPE html>b<?xml x?>c", "abc"},
    {"<!-- never closed <p>x", ""},
    {"<style>p{x}</style>", "<style>p{x}</style>"},
    {"<script>if (a<b && c>d) x</script>y", "<script>if (a<b && c>d) x</script>y"},
    {"<title>A &amp; B</title>", "<title>A & B</title>"},
    {"a < b <> c </> d", "a < b <> c  d"},
    {"<a href='x>never closed", "<a></a>"},
    {"<P>Upper<BR>Case</P>", "<p>Upper<br></br>Case</p>"},
    {"<img src=a.gif/>after", "<img></img>after"},
    {"<h1>a<h2>b</h2>", "<h1>a</h1><h2>b</h2>"},
};

TEST(HtmlParser, BuildsTheTreeBrowsersWould)
{
    for (const ParseCase& c : kParseCases) {
        auto root = CHtmlParser::Parse(c.html);
        EXPECT_EQ(Outline(*root), c.outline) << "input: " << c.html;
    }
}

TEST(HtmlParser, ReadsAttributesTolerantly)
{
    auto root = CHtmlParser::Parse("<IMG SRC=\"a.gif\" Width=10 height='5' alt=x&amp;y ismap src=b =q>");
    ASSERT_EQ(root->Children().size(), 1u);
    const CHtmlNode& img = *root->Children()[0];
    EXPECT_EQ(img.Tag(), HtmlTag::Img);
    ASSERT_TRUE(img.Attribute("src"));
    EXPECT_EQ(*img.Attribute("src"), "a.gif");  // the first of a repeated name holds
    EXPECT_EQ(*img.Attribute("width"), "10");
    EXPECT_EQ(*img.Attribute("height"), "5");
    EXPECT_EQ(*img.Attribute("alt"), "x&y");
    ASSERT_TRUE(img.Attribute("ismap"));
    EXPECT_EQ(*img.Attribute("ismap"), "");
    EXPECT_FALSE(img.Attribute("q"));
}

TEST(HtmlParser, BoundsDepthSizeAndAttributes)
{
    std::string deep;
    for (int i = 0; i < 20000; ++i)
        deep += "<div><b>";
    auto root = CHtmlParser::Parse(deep + "text");
    int depth = 0;
    for (const CHtmlNode* n = root.get(); !n->Children().empty(); n = n->Children().back().get())
        ++depth;
    EXPECT_LE(depth, HtmlConst::kMaxTreeDepth + 2);
    EXPECT_EQ(root->InnerText(), "text");

    std::string many = "<p";
    for (int i = 0; i < 100; ++i)
        many += " a" + std::to_string(i) + "=" + std::string(10000, 'v');
    root = CHtmlParser::Parse(many + ">x");
    const CHtmlNode& p = *root->Children()[0];
    ASSERT_TRUE(p.Attribute("a0"));
    EXPECT_EQ(p.Attribute("a0")->size(), HtmlConst::kMaxAttributeValue);
    EXPECT_FALSE(p.Attribute("a99"));
}

struct EntityCase {
    const char* text;
    const char* decoded;
};

const EntityCase kEntityCases[] = {
    {"&lt;&gt;&amp;&quot;&apos;", "<>&\"'"},
    {"&nbsp;&copy;&eacute;&Eacute;&yuml;", "\xA0\xA9\xE9\xC9\xFF"},
    {"&#65;&#x42;&#X63;&#233;", "ABc\xE9"},
    {"&#8212;&mdash;&euro;&trade;&bull;", "\x97\x97\x80\x99\x95"},
    {"&#1114112;&#0;&#x2603;", "???"},
    {"&unknown; & &amp &lt3 &#; &#x;", "&unknown; & & <3 &#; &#x;"},
    {"AT&T", "AT&T"},
};

TEST(HtmlTokenizer, DecodesWesternEntities)
{
    for (const EntityCase& c : kEntityCases)
        EXPECT_EQ(CHtmlTokenizer::DecodeEntities(c.text), c.decoded) << "text: " << c.text;
}

// ---- Style sheets --------------------------------------------------------------

TEST(HtmlStyleSheet, KeepsTheSubsetAndSkipsTheRest)
{
    CHtmlStyleSheet sheet;
    sheet.Parse("/* c */ body, td {font-family: \"No Face\", 'Tahoma' , sans-serif; font-size: 9pt}\n"
                "h1 { font-size: 16.5pt; color: #036 ! important }\n"
                "a { color: #0033CC } a:hover { color: #3333FF; text-decoration: none }\n"
                "a:visited { text-decoration: underline }\n"
                ".x { color: red } p.y { color: red } div p { color: red } #z { color: red }\n"
                "@media print { p { color: red } } @import 'x.css';\n"
                "p { font-size: 12px; color: nonsense; unknown: 1 }\n"
                "pre { color: red");
    CHtmlStyleDecl body = sheet.ForElement("body");
    ASSERT_EQ(body.families.size(), 3u);
    EXPECT_EQ(body.families[0], "No Face");
    EXPECT_EQ(body.families[1], "Tahoma");
    EXPECT_EQ(body.families[2], "sans-serif");
    EXPECT_EQ(body.fontSize, 90);
    EXPECT_EQ(sheet.ForElement("td").fontSize, 90);
    EXPECT_EQ(sheet.ForElement("h1").fontSize, 165);
    EXPECT_EQ(sheet.ForElement("h1").colour, RGB(0, 0x33, 0x66));
    CHtmlStyleDecl a = sheet.ForElement("a");
    EXPECT_TRUE(a.hasColour);
    EXPECT_EQ(a.colour, RGB(0, 0x33, 0xCC));
    EXPECT_EQ(a.underline, 1);  // from a:visited, which applies to every link
    CHtmlStyleDecl hover = sheet.ForHover("a");
    EXPECT_EQ(hover.colour, RGB(0x33, 0x33, 0xFF));
    EXPECT_EQ(hover.underline, 0);
    CHtmlStyleDecl p = sheet.ForElement("p");
    EXPECT_FALSE(p.hasColour);
    EXPECT_EQ(p.fontSize, 0);
    EXPECT_EQ(sheet.ForElement("pre").colour, RGB(255, 0, 0));
}

TEST(HtmlStyleSheet, ParsesColours)
{
    struct Case {
        const char* text;
        bool ok;
        COLORREF colour;
    } cases[] = {
        {"#0033CC", true, RGB(0, 0x33, 0xCC)},
        {"0033cc", true, RGB(0, 0x33, 0xCC)},
        {"#fff", true, RGB(255, 255, 255)},
        {" Navy ", true, RGB(0, 0, 128)},
        {"grey", true, RGB(128, 128, 128)},
        {"#12345", false, 0},
        {"#ggg", false, 0},
        {"", false, 0},
        {"rgb(1,2,3)", false, 0},
    };
    for (const Case& c : cases) {
        COLORREF colour = 0;
        EXPECT_EQ(CHtmlStyleSheet::ParseColour(c.text, colour), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(colour, c.colour) << c.text;
        }
    }
}

int CALLBACK OnAnyFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<std::string*>(found) = font->lfFaceName;
    return font->lfFaceName[0] == '@';  // vertical faces are no families to name
}

TEST(HtmlFontCache, PicksTheFirstInstalledFamily)
{
    CHtmlFontCache fonts;
    std::string installed;
    LOGFONTA all {};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC dc = CreateCompatibleDC(nullptr);
    EnumFontFamiliesExA(dc, &all, OnAnyFamily, reinterpret_cast<LPARAM>(&installed), 0);
    DeleteDC(dc);
    ASSERT_FALSE(installed.empty());
    EXPECT_EQ(fonts.FirstInstalled({"No Such Face", installed, "serif"}), installed);
    EXPECT_EQ(fonts.FirstInstalled({"No Such Face", "Sans-Serif", installed}), HtmlConst::kSansSerifFace);
    EXPECT_EQ(fonts.FirstInstalled({"No Such Face", "monospace"}), HtmlConst::kMonospaceFace);
    EXPECT_EQ(fonts.FirstInstalled({"No Such Face", "Another Missing Face"}), "");
    EXPECT_EQ(fonts.FirstInstalled({}), "");
}

// ---- Addresses -----------------------------------------------------------------

TEST(ResUrl, ResolvesRelativeLinks)
{
    struct Case {
        const char* base;
        const char* reference;
        const char* resolved;
    } cases[] = {
        {"res://HtmlTestPages.dll/1", "2", "res://HtmlTestPages.dll/2"},
        {"res://HtmlTestPages.dll/1", "img/folder.gif", "res://HtmlTestPages.dll/img/folder.gif"},
        {"res://HtmlTestPages.dll/1", "main.css", "res://HtmlTestPages.dll/main.css"},
        {"res://HtmlTestPages.dll/1", "#end", "res://HtmlTestPages.dll/1#end"},
        {"res://HtmlTestPages.dll/1#top", "#end", "res://HtmlTestPages.dll/1#end"},
        {"res://HtmlTestPages.dll/1", "3#middle", "res://HtmlTestPages.dll/3#middle"},
        {"res://HtmlTestPages.dll/1", "../2", "res://HtmlTestPages.dll/2"},
        {"res://HtmlTestPages.dll/1", "./2", "res://HtmlTestPages.dll/2"},
        {"res://HtmlTestPages.dll/1", "/4", "res://HtmlTestPages.dll/4"},
        {"res://HtmlTestPages.dll/1", "", "res://HtmlTestPages.dll/1"},
        {"res://HtmlTestPages.dll/1", "//Other.dll/6", "res://Other.dll/6"},
        {"res://HtmlTestPages.dll/1", "res://Other.dll/5", "res://Other.dll/5"},
        {"res://HtmlTestPages.dll/1", "http://makers.invalid/a/../b", "http://makers.invalid/b"},
        {"res://HtmlTestPages.dll/1", "mailto:x@y.invalid", "mailto:x@y.invalid"},
        {"res://m.dll/img/a.gif", "b.gif", "res://m.dll/img/b.gif"},
        {"res://m.dll/img/a.gif", "../2", "res://m.dll/2"},
        {"res://m.dll/img/a.gif", "../../../2", "res://m.dll/2"},
        {"res://m.dll", "2", "res://m.dll/2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CResUrl::Resolve(c.base, c.reference), c.resolved) << c.base << " + " << c.reference;
}

TEST(ResUrl, SplitsResAddresses)
{
    struct Case {
        const char* address;
        bool ok;
        const char* module;
        const char* type;
        const char* name;
        const char* anchor;
    } cases[] = {
        {"res://HtmlTestPages.dll/1", true, "HtmlTestPages.dll", "", "1", ""},
        {"res://m.dll/img/folder.gif", true, "m.dll", "img", "folder.gif", ""},
        {"RES://m.dll/23/MAIN.CSS#top", true, "m.dll", "23", "MAIN.CSS", "top"},
        {"res://m.dll/2#x", true, "m.dll", "", "2", "x"},
        {"res://m.dll/#5", true, "m.dll", "", "#5", ""},
        {"res://m.dll/#5#x", true, "m.dll", "", "#5", "x"},
        {"res://m.dll/my%20page", true, "m.dll", "", "my page", ""},
        {"res://C:\\dir\\m.dll/1", true, "C:\\dir\\m.dll", "", "1", ""},
        {"http://x.invalid/1", false, "", "", "", ""},
        {"res://m.dll/", false, "", "", "", ""},
        {"res:///1", false, "", "", "", ""},
        {"res:m.dll/1", false, "", "", "", ""},
        {"res://m.dll/#x", false, "", "", "", ""},
    };
    for (const auto& c : cases) {
        CResUrl url;
        ASSERT_EQ(CResUrl::Split(c.address, url), c.ok) << c.address;
        if (!c.ok)
            continue;
        EXPECT_EQ(url.module, c.module) << c.address;
        EXPECT_EQ(url.type, c.type) << c.address;
        EXPECT_EQ(url.name, c.name) << c.address;
        EXPECT_EQ(url.anchor, c.anchor) << c.address;
    }
    EXPECT_EQ(CResUrl::WithoutAnchor("res://m.dll/2#x"), "res://m.dll/2");
    EXPECT_EQ(CResUrl::WithoutAnchor("res://m.dll/#5"), "res://m.dll/#5");
    EXPECT_EQ(CResUrl::WithoutAnchor("res://m.dll/#5#x"), "res://m.dll/#5");
    EXPECT_EQ(CResUrl::WithoutAnchor("res://m.dll/2"), "res://m.dll/2");
}

// ---- Resources -----------------------------------------------------------------

TEST(ResModuleCache, FindsResourcesByTypeAndName)
{
    CResModuleCache cache;
    std::string page, bytes;
    ASSERT_TRUE(cache.Read(PageAddress("1"), page));
    EXPECT_NE(page.find("<title>Start"), std::string::npos);
    EXPECT_EQ(cache.LoadedModuleCount(), 1u);  // loaded as a data file by the cache itself
    const char* samePage[] = {"#1", "23/1", "%231"};
    for (const char* name : samePage) {
        ASSERT_TRUE(cache.Read(PageAddress(name), bytes)) << name;
        EXPECT_EQ(bytes, page) << name;
    }
    ASSERT_TRUE(cache.Read(PageAddress("img/folder.gif"), bytes));
    EXPECT_EQ(bytes.compare(0, 6, "GIF89a"), 0);
    ASSERT_TRUE(cache.Read("res://htmltestpages.DLL/Main.Css", bytes));
    EXPECT_NE(bytes.find("a:hover"), std::string::npos);
    const char* missing[] = {"res://HtmlTestPages.dll/99",    "res://HtmlTestPages.dll/0",
                             "res://HtmlTestPages.dll/70000", "res://HtmlTestPages.dll/img/none.gif",
                             "res://HtmlTestPages.dll/IMG/1", "res://NoSuchModule.dll/1",
                             "http://makers.invalid/1",       "res://HtmlTestPages.dll/"};
    for (const char* address : missing)
        EXPECT_FALSE(cache.Read(address, bytes)) << address;
    EXPECT_TRUE(bytes.empty());
    cache.Clear();
    EXPECT_EQ(cache.LoadedModuleCount(), 0u);
}

TEST(ResModuleCache, UsesAndLeavesAModuleTheProcessLoaded)
{
    HMODULE module = LoadLibraryA(kTestModule);
    ASSERT_TRUE(module);
    {
        CResModuleCache cache;
        std::string bytes;
        EXPECT_TRUE(cache.Read(PageAddress("2"), bytes));
        EXPECT_EQ(cache.LoadedModuleCount(), 0u);
    }
    EXPECT_EQ(GetModuleHandleA(kTestModule), module);
    FreeLibrary(module);
}

// ---- Layout --------------------------------------------------------------------

class HtmlLayoutTest : public ::testing::Test {
protected:
    void Load(const char* name, int width = 640, int zoom = HtmlConst::kDefaultZoom)
    {
        ASSERT_TRUE(m_document.Load(PageAddress(name), m_modules)) << name;
        m_layout.Build(m_document, m_fonts, width, zoom);
    }
    void LoadText(const std::string& html, int width = 640)
    {
        m_document.LoadText(PageAddress("1"), html, m_modules);
        m_layout.Build(m_document, m_fonts, width, HtmlConst::kDefaultZoom);
    }
    const CHtmlBox* Find(HtmlBoxKind kind, const std::string& text = std::string()) const
    {
        for (const CHtmlBox& box : m_layout.Boxes())
            if (box.kind == kind && box.text.find(text) != std::string::npos)
                return &box;
        return nullptr;
    }
    int CountKind(HtmlBoxKind kind) const
    {
        int n = 0;
        for (const CHtmlBox& box : m_layout.Boxes())
            n += box.kind == kind ? 1 : 0;
        return n;
    }
    std::string Dump() const { return m_layout.Dump(m_fonts); }
    // The page's text as a reader sees it: runs in order, one ' ' per space
    // width of room between neighbouring runs, '\n' between lines.
    std::string ShownText()
    {
        std::string out;
        const CHtmlBox* previous = nullptr;
        for (const CHtmlBox& box : m_layout.Boxes()) {
            if (box.kind != HtmlBoxKind::Text)
                continue;
            if (previous && (box.rect.left < previous->rect.right || box.rect.top >= previous->rect.bottom)) {
                out += '\n';
            } else if (previous) {
                int space = m_fonts.Metrics(previous->font).spaceWidth;
                int gap = box.rect.left - previous->rect.right;
                out.append(std::size_t((gap + space / 2) / space), ' ');
            }
            out += box.text;
            previous = &box;
        }
        return out;
    }

    CResModuleCache m_modules;
    CHtmlFontCache m_fonts;
    CHtmlDocument m_document;
    CHtmlLayout m_layout;
};

TEST_F(HtmlLayoutTest, LaysOutTheStartPage)
{
    Load("1");
    EXPECT_EQ(m_document.Title(), "Start & Welcome");
    SCOPED_TRACE(Dump());

    const CHtmlBox* heading = Find(HtmlBoxKind::Text, "Getting started");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->fontHeight, 21);  // 16pt from the style sheet
    EXPECT_TRUE(m_fonts.Key(heading->font).bold);
    EXPECT_EQ(heading->colour, RGB(0, 0x33, 0x66));

    const CHtmlBox* body = Find(HtmlBoxKind::Text, "This is the");
    ASSERT_TRUE(body);
    EXPECT_EQ(body->fontHeight, 12);         // 9pt
    EXPECT_EQ(m_fonts.Key(body->font).face,  // the first installed of the list
              m_fonts.FirstInstalled({"No Such Face", "Tahoma", "Arial", "sans-serif"}));
    const CHtmlBox* bold = Find(HtmlBoxKind::Text, "first");
    ASSERT_TRUE(bold);
    EXPECT_TRUE(m_fonts.Key(bold->font).bold);
    EXPECT_EQ(bold->rect.top, body->rect.top);
    EXPECT_GT(bold->rect.left, body->rect.right);

    const CHtmlBox* link = Find(HtmlBoxKind::Text, "second page");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->colour, RGB(0, 0x33, 0xCC));
    EXPECT_TRUE(m_fonts.Key(link->font).underline);
    ASSERT_GE(link->link, 0);
    EXPECT_EQ(m_layout.Links()[std::size_t(link->link)].address, PageAddress("2"));
    const CHtmlBox* jump = Find(HtmlBoxKind::Text, "middle of the long page");
    ASSERT_TRUE(jump);
    EXPECT_EQ(m_layout.Links()[std::size_t(jump->link)].address, PageAddress("3#middle"));

    const CHtmlBox* picture = Find(HtmlBoxKind::Image, "Folder");
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->image);
    EXPECT_EQ(picture->source, PageAddress("img/folder.gif"));
    EXPECT_EQ(picture->rect.right - picture->rect.left, 24);  // the picture's own size
    EXPECT_EQ(picture->rect.bottom - picture->rect.top, 16);
    const CHtmlBox* missing = Find(HtmlBoxKind::Image, "none");
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->image);
    EXPECT_EQ(missing->rect.right - missing->rect.left, 20);
    EXPECT_EQ(missing->rect.bottom - missing->rect.top, 10);

    ASSERT_EQ(CountKind(HtmlBoxKind::Rule), 2);
    for (const CHtmlBox& box : m_layout.Boxes())
        if (box.kind == HtmlBoxKind::Rule) {
            EXPECT_EQ(box.rect.bottom - box.rect.top, 1);
            EXPECT_EQ(box.rect.right - box.rect.left, 640 - 2 * HtmlConst::kPageMargin);
        }
    EXPECT_EQ(CountKind(HtmlBoxKind::Bullet), 2);
    const CHtmlBox* first = Find(HtmlBoxKind::Text, "First point");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->rect.left, HtmlConst::kPageMargin + HtmlConst::kListIndent);
    const CHtmlBox* two = Find(HtmlBoxKind::Text, "2.");
    ASSERT_TRUE(two);
    const CHtmlBox* twoText = Find(HtmlBoxKind::Text, "Two");
    ASSERT_TRUE(twoText);
    EXPECT_EQ(two->rect.top, twoText->rect.top);
    EXPECT_LT(two->rect.right, twoText->rect.left);
    const CHtmlBox* code = Find(HtmlBoxKind::Text, "code    here");  // the tab reaches column 8
    ASSERT_TRUE(code);
    EXPECT_EQ(m_fonts.TextWidth(code->font, "iiii"), m_fonts.TextWidth(code->font, "WWWW"));  // fixed pitch

    const CHtmlBox* site = Find(HtmlBoxKind::Text, "Web site");
    ASSERT_TRUE(site);
    EXPECT_GE(site->rect.right, 640 - HtmlConst::kPageMargin - 2 - 2);  // right-aligned cell
    const CHtmlLink& external = m_layout.Links()[std::size_t(site->link)];
    EXPECT_EQ(external.address, "http://makers.invalid/");
    EXPECT_EQ(external.target, "_blank");
    const CHtmlBox* copyright = Find(HtmlBoxKind::Text, "Copyright");
    ASSERT_TRUE(copyright);
    EXPECT_EQ(copyright->text, "Copyright \xA9 the makers");
    EXPECT_EQ(copyright->rect.left, HtmlConst::kPageMargin + 2);
    EXPECT_EQ(copyright->rect.top, site->rect.top);
}

TEST_F(HtmlLayoutTest, ZoomScalesTheFontsOnly)
{
    int previousHeading = 0, previousBody = 0;
    for (int zoom = 0; zoom < HtmlConst::kZoomLevels; ++zoom) {
        Load("1", 640, zoom);
        const CHtmlBox* heading = Find(HtmlBoxKind::Text, "Getting started");
        const CHtmlBox* body = Find(HtmlBoxKind::Text, "This is the");
        const CHtmlBox* picture = Find(HtmlBoxKind::Image, "Folder");
        ASSERT_TRUE(heading && body && picture);
        EXPECT_EQ(heading->fontHeight, (160 * HtmlConst::kZoomPercent[zoom] * 96 + 36000) / 72000) << zoom;
        EXPECT_GT(heading->fontHeight, previousHeading) << zoom;
        EXPECT_GT(body->fontHeight, previousBody) << zoom;
        EXPECT_EQ(picture->rect.right - picture->rect.left, 24) << zoom;
        previousHeading = heading->fontHeight;
        previousBody = body->fontHeight;
    }
}

TEST_F(HtmlLayoutTest, WrapsLinesInsideTheWidth)
{
    for (int width : {200, 320, 900}) {
        Load("3", width);
        for (const CHtmlBox& box : m_layout.Boxes()) {
            EXPECT_GE(box.rect.left, HtmlConst::kPageMargin) << width << " " << box.text;
            EXPECT_LE(box.rect.right, width - HtmlConst::kPageMargin) << width << " " << box.text;
        }
        int y = 0;
        ASSERT_TRUE(m_layout.AnchorTop("middle", y));
        const CHtmlBox* middle = Find(HtmlBoxKind::Text, "The middle");
        ASSERT_TRUE(middle);
        EXPECT_LE(y, middle->rect.top);
        EXPECT_GE(y + 4, middle->rect.top);
        EXPECT_GT(y, m_layout.Height() / 3);
        EXPECT_TRUE(m_layout.AnchorTop("MIDDLE", y));
        EXPECT_FALSE(m_layout.AnchorTop("nowhere", y));
    }
}

TEST_F(HtmlLayoutTest, TablesShareTheWidth)
{
    LoadText("<table width=400 cellspacing=4 cellpadding=3><tr><td width=100>a</td><td>b</td></tr>"
             "<tr><td colspan=2 align=center>wide</td></tr>"
             "<tr><td valign=top>top</td><td>x<br>y<br>z</td></tr></table>");
    SCOPED_TRACE(Dump());
    const CHtmlBox* a = Find(HtmlBoxKind::Text, "a");
    const CHtmlBox* b = Find(HtmlBoxKind::Text, "b");
    const CHtmlBox* wide = Find(HtmlBoxKind::Text, "wide");
    const CHtmlBox* top = Find(HtmlBoxKind::Text, "top");
    const CHtmlBox* x = Find(HtmlBoxKind::Text, "x");
    ASSERT_TRUE(a && b && wide && top && x);
    int left = HtmlConst::kPageMargin + 4 + 3;
    EXPECT_EQ(a->rect.left, left);
    EXPECT_EQ(b->rect.left, left + 100 + 4);  // the first column keeps its width
    int wideCentre = (wide->rect.left + wide->rect.right) / 2;
    EXPECT_NEAR(wideCentre, HtmlConst::kPageMargin + 200, 2);
    EXPECT_EQ(top->rect.top, x->rect.top);  // valign=top beside three lines
    const CHtmlBox* z = Find(HtmlBoxKind::Text, "z");
    ASSERT_TRUE(z);
    EXPECT_GT(z->rect.top, x->rect.top);
}

TEST_F(HtmlLayoutTest, FloatsAndAlignment)
{
    LoadText("<p align=center>centred</p><p align=right>right</p>"
             "<p><img src='img/folder.gif' align=left>beside the picture</p>"
             "<p><img src='img/folder.gif' width=48>wider</p>",
             400);
    SCOPED_TRACE(Dump());
    const CHtmlBox* centred = Find(HtmlBoxKind::Text, "centred");
    const CHtmlBox* right = Find(HtmlBoxKind::Text, "right");
    const CHtmlBox* beside = Find(HtmlBoxKind::Text, "beside");
    ASSERT_TRUE(centred && right && beside);
    EXPECT_NEAR((centred->rect.left + centred->rect.right) / 2, 200, 1);
    EXPECT_EQ(right->rect.right, 400 - HtmlConst::kPageMargin);
    EXPECT_EQ(beside->rect.left, HtmlConst::kPageMargin + 24);
    int images = 0;
    for (const CHtmlBox& box : m_layout.Boxes())
        if (box.kind == HtmlBoxKind::Image && ++images == 2) {
            EXPECT_EQ(box.rect.right - box.rect.left, 48);
            EXPECT_EQ(box.rect.bottom - box.rect.top, 32);  // the height follows the width
        }
    EXPECT_EQ(images, 2);
}

struct SpacingCase {
    const char* html;
    const char* shown;
};

// White space next to inline elements, as the help pages write it.
const SpacingCase kSpacingCases[] = {
    {"read <a href=2>How to insert</a>.", "read How to insert."},
    {"See <a href=2>10 Code</a>.", "See 10 Code."},
    {"The <b>HELP</b> key", "The HELP key"},
    {"in <i>italic</i> and <u>under</u>", "in italic and under"},
    {"read\n<a href=2>next</a>\nline", "read next line"},
    {"a<b> x</b>", "a x"},
    {"<b>x </b>y", "x y"},
    {"a <b> x </b> y", "a x y"},
    {"a <b> </b> b", "a b"},
    {"a <b><i> x</i></b>", "a x"},
    {"x<b>y</b>z<a href=2>w</a>v", "xyzwv"},
    {"<p>one </p> <p> two</p>", "one\ntwo"},
    {"<li>See <a href=2>10 Code</a>.</li>", "See 10 Code."},
    {"To put barcodes in Word documents, read <a href=2>How to insert code 39 barcodes in Word</a>.",
     "To put barcodes in Word documents, read How to insert code 39 barcodes in Word."},
    {"Every program that lets you choose a font can use them. See <a href=2>10 Code 39 Barcode Fonts</a>.",
     "Every program that lets you choose a font can use them. See 10 Code 39 Barcode Fonts."},
};

// How far a run's first glyph reaches left of its start and its last glyph right of
// its end (italic letters lean over their cells): pixels a neighbour may legitimately ink.
struct Overhang {
    int left = 0;
    int right = 0;
};

Overhang OverhangOf(const CHtmlBox& box, CHtmlFontCache& fonts)
{
    Overhang overhang;
    if (box.text.empty())
        return overhang;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, fonts.Font(box.font));
    ABC first {}, last {};
    const UINT firstChar = static_cast<unsigned char>(box.text.front());
    const UINT lastChar = static_cast<unsigned char>(box.text.back());
    if (::GetCharABCWidthsA(dc, firstChar, firstChar, &first) && first.abcA < 0)
        overhang.left = -first.abcA;
    if (::GetCharABCWidthsA(dc, lastChar, lastChar, &last) && last.abcC < 0)
        overhang.right = -last.abcC;
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return overhang;
}

// The room between neighbouring runs of a line stays blank when painted: a run
// drawn wider than it was measured would close the space after it. Only the
// glyphs' own overhangs may reach into it.
void ExpectBlankGaps(const CHtmlLayout& layout, CHtmlFontCache& fonts)
{
    Canvas bitmap(layout.Width(), layout.Height(), kBlack);
    RECT all {0, 0, layout.Width(), layout.Height()};
    CHtmlPainter::Paint(bitmap.Handle(), layout, fonts, POINT {0, 0}, all, -1);
    const CHtmlBox* previous = nullptr;
    for (const CHtmlBox& box : layout.Boxes()) {
        if (box.kind != HtmlBoxKind::Text)
            continue;
        if (previous && box.rect.left > previous->rect.right && box.rect.top < previous->rect.bottom) {
            const int left = previous->rect.right + OverhangOf(*previous, fonts).right;
            const int right = box.rect.left - OverhangOf(box, fonts).left;
            RECT gap {left, previous->rect.top, right, previous->rect.bottom};
            EXPECT_GT(right, left) << "no room left between \"" << previous->text << "\" and \"" << box.text << "\"";
            int blank = std::max(0, right - left) * (gap.bottom - gap.top);
            EXPECT_EQ(bitmap.Count(layout.Background(), gap), blank)
                << "between \"" << previous->text << "\" and \"" << box.text << "\"";
        }
        previous = &box;
    }
}

TEST_F(HtmlLayoutTest, KeepsOneSpaceAroundInlineElements)
{
    for (const SpacingCase& c : kSpacingCases) {
        for (const char* face : {"Arial", "Times New Roman"}) {
            LoadText(std::string("<style>body {font-family: ") + face + "; font-size: 9pt}</style><body>" + c.html);
            EXPECT_EQ(ShownText(), c.shown) << "page: " << c.html << "\n" << Dump();
            ExpectBlankGaps(m_layout, m_fonts);
        }
    }
}

// ---- Painting ------------------------------------------------------------------

TEST_F(HtmlLayoutTest, PaintsLinksRulesAndPictures)
{
    Load("1");
    Canvas bitmap(640, m_layout.Height(), kBlack);
    RECT all {0, 0, 640, m_layout.Height()};
    CHtmlPainter::Paint(bitmap.Handle(), m_layout, m_fonts, POINT {0, 0}, all, -1);

    const CHtmlBox* link = Find(HtmlBoxKind::Text, "second page");
    ASSERT_TRUE(link);
    const COLORREF linkColour = RGB(0, 0x33, 0xCC), hoverColour = RGB(0x33, 0x33, 0xFF);
    EXPECT_GT(bitmap.Count(linkColour, link->rect), 20);
    EXPECT_EQ(bitmap.Count(hoverColour, link->rect), 0);

    for (const CHtmlBox& box : m_layout.Boxes()) {
        if (box.kind != HtmlBoxKind::Rule)
            continue;
        int y = box.rect.top;
        RECT row {box.rect.left, y, box.rect.right, y + 1};
        RECT above {box.rect.left, y - 1, box.rect.right, y};
        RECT below {box.rect.left, y + 1, box.rect.right, y + 2};
        int width = box.rect.right - box.rect.left;
        EXPECT_EQ(bitmap.Count(HtmlConst::kRuleColour, row), width);
        EXPECT_EQ(bitmap.Count(RGB(255, 255, 255), above), width);
        EXPECT_EQ(bitmap.Count(RGB(255, 255, 255), below), width);
    }

    const CHtmlBox* picture = Find(HtmlBoxKind::Image, "Folder");
    ASSERT_TRUE(picture);
    EXPECT_EQ(bitmap.Pixel(picture->rect.left + 5, picture->rect.top + 5), RGB(255, 0, 0));
    EXPECT_EQ(bitmap.Pixel(picture->rect.left + 18, picture->rect.top + 8), RGB(0, 128, 0));
    // The transparent corner shows the page.
    EXPECT_EQ(bitmap.Pixel(picture->rect.left, picture->rect.top), RGB(255, 255, 255));

    // The hover look of the style sheet: another colour, no underline.
    CHtmlPainter::Paint(bitmap.Handle(), m_layout, m_fonts, POINT {0, 0}, all, link->link);
    EXPECT_GT(bitmap.Count(hoverColour, link->rect), 20);
    EXPECT_EQ(bitmap.Count(linkColour, link->rect), 0);
    RECT underline {link->rect.left, link->rect.bottom - 3, link->rect.right, link->rect.bottom};
    int width = link->rect.right - link->rect.left;
    EXPECT_LT(bitmap.Count(hoverColour, underline), width);
}

struct BorderCase {
    const char* attributes;
    int border;
    int spacing;
    int padding;
};

const BorderCase kBorderCases[] = {
    {"border=3 cellspacing=0 cellpadding=4", 3, 0, 4}, {"border='1' cellspacing=5 cellpadding=0", 1, 5, 0},
    {"border cellspacing=0 cellpadding=3", 1, 0, 3},   {"border=0 cellspacing=0 cellpadding=2", 0, 0, 2},
    {"cellspacing=2 cellpadding=2", 0, 2, 2},
};

TEST_F(HtmlLayoutTest, TableBordersFrameTheTableAndEachCell)
{
    const COLORREF line = HtmlConst::kTableBorderColour, page = RGB(255, 255, 255);
    for (const BorderCase& c : kBorderCases) {
        LoadText(std::string("<table ") + c.attributes +
                     "><tr><td>ab</td><td>cd</td></tr><tr><td>e</td><td></td></tr></table>",
                 400);
        SCOPED_TRACE(std::string(c.attributes) + "\n" + Dump());
        const CHtmlBox* ab = Find(HtmlBoxKind::Text, "ab");
        const CHtmlBox* cd = Find(HtmlBoxKind::Text, "cd");
        ASSERT_TRUE(ab && cd);
        const int cellBorder = c.border > 0 ? 1 : 0;
        const int inset = cellBorder + c.padding;
        const int left = HtmlConst::kPageMargin, top = HtmlConst::kPageMargin;
        const int cellLeft = left + c.border + c.spacing;
        EXPECT_EQ(ab->rect.left, cellLeft + inset);
        EXPECT_EQ(ab->rect.top, top + c.border + c.spacing + inset);
        const int firstRight = ab->rect.right + inset;  // the first cell's right edge
        EXPECT_EQ(cd->rect.left, firstRight + c.spacing + inset);
        const int right = cd->rect.right + inset + c.spacing + c.border;
        const int bottom = m_layout.Height() - HtmlConst::kPageMargin;
        EXPECT_EQ(CountKind(HtmlBoxKind::Frame), c.border > 0 ? 5 : 0);

        Canvas bitmap(400, m_layout.Height(), kBlack);
        RECT all {0, 0, 400, m_layout.Height()};
        CHtmlPainter::Paint(bitmap.Handle(), m_layout, m_fonts, POINT {0, 0}, all, -1);
        const int width = right - left, height = bottom - top;
        for (int i = 0; i < std::max(c.border, 1); ++i) {
            int expected = i < c.border ? width : 0;
            EXPECT_EQ(bitmap.Count(line, RECT {left, top + i, right, top + i + 1}), expected) << "top " << i;
            EXPECT_EQ(bitmap.Count(line, RECT {left, bottom - 1 - i, right, bottom - i}), expected) << "bottom " << i;
            expected = i < c.border ? height : 0;
            EXPECT_EQ(bitmap.Count(line, RECT {left + i, top, left + i + 1, bottom}), expected) << "left " << i;
            EXPECT_EQ(bitmap.Count(line, RECT {right - 1 - i, top, right - i, bottom}), expected) << "right " << i;
        }
        // One-pixel cell frames, the spacing between them left blank.
        const int y = ab->rect.top;
        EXPECT_EQ(bitmap.Pixel(cellLeft, y), cellBorder ? line : page);
        if (c.padding > 0) {
            EXPECT_EQ(bitmap.Pixel(cellLeft + cellBorder, y), page);
        }
        EXPECT_EQ(bitmap.Pixel(firstRight - 1, y), cellBorder ? line : page);
        EXPECT_EQ(bitmap.Pixel(firstRight + c.spacing, y), cellBorder ? line : page);
        if (c.spacing > 0 && c.border > 0) {
            EXPECT_EQ(bitmap.Count(page, RECT {left + c.border, y, cellLeft, y + 1}), c.spacing);
            EXPECT_EQ(bitmap.Count(page, RECT {firstRight, y, firstRight + c.spacing, y + 1}), c.spacing);
        }
    }
}

TEST_F(HtmlLayoutTest, WritesAScreenshotOfTheStartPage)
{
    Load("1", 640);
    Canvas bitmap(640, 480, kBlack);
    RECT all {0, 0, 640, 480};
    CHtmlPainter::Paint(bitmap.Handle(), m_layout, m_fonts, POINT {0, 0}, all, -1);
    const std::string dir = ScreenshotFolder();
    std::string path = dir + "\\html_start_page.png";
    ASSERT_TRUE(bitmap.WritePng(path)) << path;
    WIN32_FILE_ATTRIBUTE_DATA data {};
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_GT(data.nFileSizeLow, 640u * 480u * 3u);
}

// ---- Bad input -----------------------------------------------------------------

std::string Repeat(const std::string& text, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text;
    return out;
}

std::string AllBytes()
{
    std::string out;
    for (int i = 0; i < 256; ++i)
        out += char(i);
    return Repeat(out, 8);
}

struct BadPage {
    const char* what;
    std::function<std::string()> html;
};

const BadPage kBadPages[] = {
    {"unclosed tags",
     [] {
         return std::string("<b><i><u><a href=2><font size=7><table><tr><td><ul><li>x");
     }},
    {"deep nesting",
     [] {
         return Repeat("<div><span><b>", 30000) + "deep";
     }},
    {"deep tables",
     [] {
         return Repeat("<table><tr><td>", 5000) + "cell";
     }},
    {"deep lists",
     [] {
         return Repeat("<ol><li>", 5000) + "item";
     }},
    {"huge attribute",
     [] {
         return "<a href=\"" + std::string(3000000, 'x') + "\">l</a><p>after";
     }},
    {"endless quote",
     [] {
         return "<img src='" + std::string(100000, 'q');
     }},
    {"every byte",
     [] {
         return AllBytes();
     }},
    {"many columns",
     [] {
         return "<table>" + Repeat("<td>c", 5000) + "</table>";
     }},
    {"many rows",
     [] {
         return "<table>" + Repeat("<tr><td>r<td>s", 3000) + "</table>";
     }},
    {"silly numbers",
     [] {
         return std::string("<table width=99999999999 cellpadding=-5 cellspacing=999999><tr>"
                            "<td colspan=999999 width=1000%>a<td width=-1>b</table>"
                            "<font size=+100>big</font><font size=-100>small</font>"
                            "<hr size=-5 width=200%><hr size=99999 width=-3>"
                            "<img width=100000 height=100000><img width=0 height=0 src=img/folder.gif>"
                            "&#99999999999999;&#x;&");
     }},
    {"missing resources",
     [] {
         return std::string("<link rel=stylesheet href='res://NoModule.dll/x.css'>"
                            "<link rel=stylesheet href='nothing.css'><img src='img/none.gif' alt='gone'>"
                            "<img src='res://NoModule.dll/IMG/x.gif'><img src='http://x.invalid/a.gif'>"
                            "<a href='res://NoModule.dll/1'>link</a>");
     }},
    {"not a picture",
     [] {
         return std::string("<img src='main.css'><img src='1'>");
     }},
    {"long word",
     [] {
         return "<p>" + std::string(200000, 'w') + "</p>";
     }},
    {"long preformatted",
     [] {
         return "<pre>" + Repeat("\t\tcol\n", 20000) + "</pre>";
     }},
    {"many floats",
     [] {
         return Repeat("<img src=img/folder.gif align=left><img align=right width=30>", 500);
     }},
    {"style sheet junk",
     [] {
         return "<style>" + Repeat("{{{{ a:hover { color: #", 2000) + "</style><p>x" + "<style>";
     }},
    {"empty",
     [] {
         return std::string();
     }},
    {"only markup",
     [] {
         return Repeat("</td></tr></table></li></ul></p>", 1000);
     }},
};

// Lays out and paints a page; the page must come out with some height.
void Survive(CResModuleCache& modules, CHtmlFontCache& fonts, const std::string& html, int width, int zoom)
{
    CHtmlDocument document;
    document.LoadText(PageAddress("1"), html, modules);
    CHtmlLayout layout;
    layout.Build(document, fonts, width, zoom);
    EXPECT_GT(layout.Height(), 0);
    Canvas bitmap(120, 120, kBlack);
    RECT clip {0, 0, 120, 120};
    CHtmlPainter::Paint(bitmap.Handle(), layout, fonts, POINT {0, -layout.Height() / 2}, clip, 0);
    layout.HitTest(POINT {50, 50});
}

TEST(HtmlRobustness, MalformedPagesRenderWithoutHarm)
{
    CResModuleCache modules;
    CHtmlFontCache fonts;
    for (const BadPage& page : kBadPages) {
        SCOPED_TRACE(page.what);
        auto start = std::chrono::steady_clock::now();
        Survive(modules, fonts, page.html(), 500, HtmlConst::kDefaultZoom);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_LT(seconds, 20.0);
    }
}

TEST(HtmlRobustness, MutatedPagesRenderWithoutHarm)
{
    CResModuleCache modules;
    CHtmlFontCache fonts;
    std::string page;
    ASSERT_TRUE(modules.Read(PageAddress("1"), page));
    std::mt19937 random(20261210u);
    const std::string alphabet = "<>/=\"'&#;! \n\tabtdrlihp0123456789";
    for (int round = 0; round < 150; ++round) {
        std::string html = page;
        int edits = 1 + int(random() % 12);
        for (int e = 0; e < edits && !html.empty(); ++e) {
            std::size_t at = random() % html.size();
            std::size_t length = 1 + random() % 40;
            switch (random() % 4) {
            case 0:
                html.erase(at, length);
                break;
            case 1:
                html.insert(at, html.substr(at, length));
                break;
            case 2:
                html.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            default:
                html[at] = char(random() % 256);
                break;
            }
        }
        SCOPED_TRACE("round " + std::to_string(round));
        Survive(modules, fonts, html, 40 + int(random() % 900), int(random() % 5));
    }
}

}  // namespace
