#include "core/String.h"
#include "core/ResourceHandle.h"
#include "CoreTestsRes.h"
#include <gtest/gtest.h>

TEST(String, ConstructsConcatenatesAndCompares)
{
    CString empty, fromNull(static_cast<LPCSTR>(nullptr));
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(fromNull.IsEmpty());
    EXPECT_STREQ("", static_cast<LPCSTR>(empty));
    EXPECT_EQ("xxx", CString('x', 3));
    EXPECT_EQ("abc", CString("abcdef", 3));

    CString s = "Bar";
    s += "code";
    s += ' ';
    s += CString("39");
    EXPECT_EQ("Barcode 39", s);
    EXPECT_EQ("<Barcode 39>", "<" + s + '>');
    EXPECT_EQ(10, s.GetLength());
    EXPECT_EQ('c', s[3]);
    EXPECT_EQ('\0', s.GetAt(99));

    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_TRUE("abc" != CString("ABC"));
    EXPECT_EQ(0, CString("abc").CompareNoCase("ABC"));
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    EXPECT_GT(CString("b").Compare("a"), 0);
}

TEST(String, SearchesAndExtracts)
{
    const CString s = "one two three two";
    struct {
        int got;
        int expected;
        const char* what;
    } rows[] = {
        {s.Find('t'), 4, "Find char"},           {s.Find('t', 5), 8, "Find char from"},
        {s.Find("two"), 4, "Find string"},       {s.Find("two", 5), 14, "Find string from"},
        {s.Find("four"), -1, "Find missing"},    {s.Find('o', 99), -1, "Find past end"},
        {s.ReverseFind('t'), 14, "ReverseFind"}, {s.FindOneOf("xyzh"), 9, "FindOneOf"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, row.got) << row.what;

    EXPECT_EQ("two three two", s.Mid(4));
    EXPECT_EQ("two", s.Mid(4, 3));
    EXPECT_EQ("", s.Mid(40, 3));
    EXPECT_EQ("two", s.Mid(14, 99));
    EXPECT_EQ("one", s.Left(3));
    EXPECT_EQ(s, s.Left(100));
    EXPECT_EQ("two", s.Right(3));
    EXPECT_EQ("", s.Right(-1));
    EXPECT_EQ("one", s.SpanExcluding(" "));
    EXPECT_EQ("one", s.SpanIncluding("neo"));
}

TEST(String, TrimsEditsAndChangesCase)
{
    struct {
        CString got;
        const char* expected;
    } rows[] = {
        {CString(" \t a b \r\n").Trim(), "a b"},     {CString("  a ").TrimLeft(), "a "},
        {CString("  a ").TrimRight(), "  a"},        {CString("xxaxx").Trim('x'), "a"},
        {CString("-=a=-").TrimLeft("=-"), "a=-"},    {CString("   ").Trim(), ""},
        {CString("MiXeD 1").MakeUpper(), "MIXED 1"}, {CString("MiXeD 1").MakeLower(), "mixed 1"},
        {CString("abc").MakeReverse(), "cba"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, row.got);

    CString s = "a-b-c";
    EXPECT_EQ(2, s.Replace('-', '+'));
    EXPECT_EQ("a+b+c", s);
    EXPECT_EQ(2, s.Replace("+", "++"));
    EXPECT_EQ("a++b++c", s);
    EXPECT_EQ(4, s.Remove('+'));
    EXPECT_EQ(4, s.Insert(1, '1'));
    EXPECT_EQ(6, s.Insert(99, "zz"));
    EXPECT_EQ("a1bczz", s);
    EXPECT_EQ(4, s.Delete(4, 10));
    EXPECT_EQ("a1bc", s);

    if (GetACP() == 1252) {
        EXPECT_EQ("\xC4\xD6", CString("\xE4\xF6").MakeUpper()) << "letters of the code page";
        EXPECT_EQ(0, CString("\xE4").CompareNoCase("\xC4"));
    }
}

TEST(String, FormatsWithPrintfFormats)
{
    CString s;
    CString name = "Code";
    struct {
        const char* expected;
        CString got;
    } rows[] = {
        {"42",
         [] {
             CString t;
             t.Format("%d", 42);
             return t;
         }()},
        {"  -7|ff|0X1F",
         [] {
             CString t;
             t.Format("%4d|%x|%#X", -7, 255, 31);
             return t;
         }()},
        {"3.14",
         [] {
             CString t;
             t.Format("%.2f", 3.14159);
             return t;
         }()},
        {"Code 39%",
         [&] {
             CString t;
             t.Format("%s %u%%", name, 39u);
             return t;
         }()},
        {"[abc  ]",
         [] {
             CString t;
             t.Format("[%-5s]", "abc");
             return t;
         }()},
        {"c=Z",
         [] {
             CString t;
             t.Format("c=%c", 'Z');
             return t;
         }()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, row.got);

    CString longText(static_cast<char>('q'), 5000);
    s.Format("<%s>", longText);
    EXPECT_EQ(5002, s.GetLength());
    s.AppendFormat("%d", 7);
    EXPECT_EQ('7', s[5002]);
}

TEST(String, LoadsFromTheModuleStringTable)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    CString s;
    EXPECT_TRUE(s.LoadString(self, IDS_GREETING));
    EXPECT_EQ("Hello, framework", s);
    EXPECT_TRUE(s.LoadString(self, IDS_HIGH_ID));
    EXPECT_EQ("Block far away", s);
    EXPECT_FALSE(s.LoadString(self, IDS_EMPTY_NEIGHBOUR));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_FALSE(s.LoadString(self, 60000));

    // The default module is the one holding the code: this program.
    EXPECT_EQ(self, FwGetResourceHandle());
    EXPECT_TRUE(s.LoadString(IDS_GREETING));
    EXPECT_EQ("Hello, framework", CString(MAKEINTRESOURCEA(IDS_GREETING)));
    s.Format(IDS_FORMAT, "List", 3);
    EXPECT_EQ("List has 3 items", s);

    // A replaced resource module is asked first; what it lacks still comes from
    // this program, and nothing comes from nowhere.
    FwSetResourceHandle(GetModuleHandleA("kernel32.dll"));
    EXPECT_EQ(GetModuleHandleA("kernel32.dll"), FwGetResourceHandle());
    EXPECT_TRUE(s.LoadString(IDS_GREETING));
    EXPECT_EQ("Hello, framework", s);
    EXPECT_FALSE(s.LoadString(IDS_EMPTY_NEIGHBOUR));
    FwSetResourceHandle(nullptr);
    EXPECT_EQ(self, FwGetResourceHandle());
    EXPECT_TRUE(s.LoadString(IDS_GREETING));
}

TEST(String, GivesAWritableBuffer)
{
    CString s = "abc";
    LPSTR p = s.GetBuffer(10);
    EXPECT_STREQ("abc", p);
    lstrcpyA(p, "ten chars!");
    s.ReleaseBuffer();
    EXPECT_EQ("ten chars!", s);

    p = s.GetBuffer(0);
    p[3] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ("ten", s);

    p = s.GetBufferSetLength(3);
    p[0] = 't';
    p[1] = 'e';
    p[2] = 'x';
    EXPECT_EQ("tex", s);

    UINT length = GetWindowsDirectoryA(s.GetBuffer(MAX_PATH), MAX_PATH);
    s.ReleaseBuffer();
    EXPECT_EQ(static_cast<int>(length), s.GetLength());
}
