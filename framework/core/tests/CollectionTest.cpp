#include "core/ByteArray.h"
#include "core/DWordArray.h"
#include "core/ObArray.h"
#include "core/ObList.h"
#include "core/StringArray.h"
#include "core/StringList.h"
#include "core/PtrList.h"
#include <gtest/gtest.h>

#include <vector>

TEST(Array, GrowsInSettableStepsAndEdits)
{
    CDWordArray a;
    a.SetSize(0, 10);
    EXPECT_EQ(10, a.GetGrowBy());
    a.Add(1);
    const DWORD* first = a.GetData();
    for (DWORD i = 2; i <= 10; ++i)
        a.Add(i);
    EXPECT_EQ(first, a.GetData()) << "ten elements fit in one growth step";
    EXPECT_EQ(9, a.GetUpperBound());

    a.InsertAt(0, 100, 2);
    a.RemoveAt(3, 2);
    a.SetAtGrow(12, 7);
    DWORD expected[] = {100, 100, 1, 4, 5, 6, 7, 8, 9, 10, 0, 0, 7};
    ASSERT_EQ(13, a.GetSize());
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        EXPECT_EQ(expected[i], a[i]) << "index " << i;

    CDWordArray b;
    b.Copy(a);
    b.Append(a);
    EXPECT_EQ(26, b.GetSize());
    b.InsertAt(1, &a);
    EXPECT_EQ(39, b.GetSize());
    EXPECT_EQ(100u, b[1]);
    b.RemoveAll();
    EXPECT_TRUE(b.IsEmpty());
}

TEST(Array, HoldsStringsObjectsAndBytes)
{
    CStringArray strings;
    strings.Add("one");
    strings.Add(CString("two"));
    strings.SetAtGrow(3, "four");
    EXPECT_EQ(4, strings.GetSize());
    EXPECT_TRUE(strings[2].IsEmpty());
    strings.Add(strings[0]);  // an element of the array itself
    EXPECT_EQ("one", strings[4]);

    CByteArray bytes;
    bytes.SetSize(3);
    EXPECT_EQ(0, bytes[2]) << "new elements are zero";

    CObArray objects;
    CObList list;
    objects.Add(&list);
    EXPECT_EQ(&list, objects[0]);
}

TEST(List, WalksInsertsFindsAndRemoves)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION c = list.AddTail("c");
    list.InsertBefore(c, "b2");
    list.InsertAfter(c, "d");

    const char* order[] = {"a", "b", "b2", "c", "d"};
    int i = 0;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        EXPECT_EQ(order[i++], list.GetNext(pos));
    EXPECT_EQ(5, i);
    for (POSITION pos = list.GetTailPosition(); pos;)
        EXPECT_EQ(order[--i], list.GetPrev(pos));

    EXPECT_EQ(c, list.Find("c"));
    EXPECT_EQ(nullptr, list.Find("a", list.GetHeadPosition()));
    EXPECT_EQ(c, list.FindIndex(3));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    list.RemoveAt(c);
    EXPECT_EQ("a", list.RemoveHead());
    EXPECT_EQ("d", list.RemoveTail());
    EXPECT_EQ(2, list.GetCount());
    EXPECT_EQ("b", list.GetHead());
    EXPECT_EQ("b2", list.GetTail());

    CStringList more;
    more.AddTail("x");
    list.AddHead(&more);
    list.AddTail(&more);
    EXPECT_EQ("x", list.GetHead());
    EXPECT_EQ("x", list.GetTail());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());

    CPtrList pointers;
    int value = 0;
    pointers.AddTail(&value);
    EXPECT_EQ(pointers.GetHeadPosition(), pointers.Find(&value));
}

// Index lookups start from the last one found: any order of lookups, between insertions and
// removals anywhere, must find what a fresh walk from the head finds.
TEST(List, FindIndexFindsTheSameInAnyOrderAcrossEdits)
{
    CPtrList list;
    std::vector<int> values(40);
    std::vector<int*> expected;
    for (int& v : values) {
        list.AddTail(&v);
        expected.push_back(&v);
    }
    auto checkAll = [&](const std::vector<int>& order) {
        for (int i : order) {
            POSITION pos = list.FindIndex(i);
            ASSERT_NE(nullptr, pos) << i;
            EXPECT_EQ(expected[static_cast<size_t>(i)], list.GetAt(pos)) << i;
        }
    };
    checkAll({0, 1, 2, 39, 38, 20, 21, 19, 5, 33, 0});
    list.RemoveAt(list.FindIndex(20));  // the cursor's own node goes
    expected.erase(expected.begin() + 20);
    checkAll({20, 19, 21, 38});
    list.InsertBefore(list.FindIndex(10), &values[0]);
    expected.insert(expected.begin() + 10, &values[0]);
    checkAll({38, 11, 10, 9, 30});
    list.RemoveHead();
    expected.erase(expected.begin());
    list.AddHead(&values[1]);
    expected.insert(expected.begin(), &values[1]);
    checkAll({29, 0, 38, 37, 1});
    EXPECT_EQ(nullptr, list.FindIndex(40));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    list.RemoveAll();
    EXPECT_EQ(nullptr, list.FindIndex(0));
}
