#include "core/Map.h"
#include "core/MemFile.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<UINT> KeysInOrder(const CMapUIntToInt& map)
{
    std::vector<UINT> keys;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        UINT key;
        int value;
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    return keys;
}
}  // namespace

TEST(Map, ChoosesBucketsByKeyOver16AndIteratesInBucketOrder)
{
    const UINT keys[] = {0, 16, 272, 33, 15, 1000, 0xFFFFFFFF};
    struct {
        UINT hashSize;
        std::vector<UINT> order;
    } rows[] = {
        // 17 buckets: 0, 15 and 272 share bucket 0 (newest first), 16 -> 1, 33 -> 2, 1000 -> 11, 0xFFFFFFFF -> 15.
        {17, {15, 272, 0, 16, 33, 1000, 0xFFFFFFFF}},
        // 5 buckets: 0, 15, 0xFFFFFFFF -> 0; 16 -> 1; 272, 33, 1000 -> 2.
        {5, {0xFFFFFFFF, 15, 0, 16, 1000, 33, 272}},
        {1, {0xFFFFFFFF, 1000, 15, 33, 272, 16, 0}},
    };
    for (const auto& row : rows) {
        CMapUIntToInt map;
        map.InitHashTable(row.hashSize);
        EXPECT_EQ(row.hashSize, map.GetHashTableSize());
        int value = 0;
        for (UINT key : keys)
            map[key] = value++;
        EXPECT_EQ(row.order, KeysInOrder(map)) << row.hashSize << " buckets";
    }
    CMapUIntToInt fresh;
    EXPECT_EQ(17u, fresh.GetHashTableSize());
}

TEST(Map, LooksUpReplacesAndRemoves)
{
    CMapUIntToUInt map;
    for (UINT key = 0; key < 25; ++key)  // spans three blocks of entries
        map.SetAt(key * 7, key);
    EXPECT_EQ(25, map.GetCount());
    UINT value = 0;
    EXPECT_TRUE(map.Lookup(70, value));
    EXPECT_EQ(10u, value);
    EXPECT_FALSE(map.Lookup(71, value));
    map[70] = 99;
    EXPECT_EQ(25, map.GetCount()) << "replacing keeps one entry";
    EXPECT_TRUE(map.Lookup(70, value));
    EXPECT_EQ(99u, value);
    EXPECT_EQ(0u, map[5000]) << "operator[] adds a zero entry";
    EXPECT_EQ(26, map.GetCount());

    EXPECT_TRUE(map.RemoveKey(70));
    EXPECT_FALSE(map.RemoveKey(70));
    EXPECT_FALSE(map.Lookup(70, value));
    for (UINT key = 0; key < 25; ++key)
        map.RemoveKey(key * 7);
    map.RemoveKey(5000);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    map[3] = 4;  // usable again after its storage was freed
    EXPECT_TRUE(map.Lookup(3, value));
    map.RemoveAll();
    EXPECT_EQ(0, map.GetCount());
}

TEST(Map, KeysByStringAndByHandle)
{
    CMapStringToPtr byName;
    int a = 0, b = 0;
    byName.SetAt("Alpha", &a);
    byName.SetAt(CString("Beta"), &b);
    void* p = nullptr;
    EXPECT_TRUE(byName.Lookup("Alpha", p));
    EXPECT_EQ(&a, p);
    EXPECT_FALSE(byName.Lookup("alpha", p)) << "keys are case-sensitive";
    EXPECT_TRUE(byName.RemoveKey("Beta"));

    CMapStringToUInt ids;
    ids["x"] = 5;
    EXPECT_EQ(5u, ids["x"]);

    CMapPtrToPtr byHandle;
    HANDLE h = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0x1230));
    byHandle[h] = &a;
    EXPECT_TRUE(byHandle.Lookup(h, p));
    EXPECT_EQ(&a, p);
    EXPECT_EQ(0x123u, HashKey<HANDLE>(h));
}

TEST(Map, SerialisesCountThenPairsInIterationOrder)
{
    CMapUIntToUInt map;
    map[16] = 1;
    map[0] = 2;
    map[1] = 3;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        map.Serialize(ar);
    }
    // Bucket 0 holds 1 then 0 (newest first), bucket 1 holds 16.
    const DWORD expected[] = {1, 3, 0, 2, 16, 1};
    ASSERT_EQ(2 + sizeof expected, file.GetLength());
    file.SeekToBegin();
    WORD count = 0;
    file.Read(&count, sizeof count);
    EXPECT_EQ(3, count);
    DWORD pairs[6] = {};
    file.Read(pairs, sizeof pairs);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], pairs[i]) << i;

    file.SeekToBegin();
    CMapUIntToUInt loaded;
    loaded[7] = 7;
    CArchive ar(&file, CArchive::load);
    loaded.Serialize(ar);
    EXPECT_EQ(4, loaded.GetCount()) << "loading adds to what is there";
    UINT value = 0;
    EXPECT_TRUE(loaded.Lookup(16, value));
    EXPECT_EQ(1u, value);

    CMapUIntToPtr pointers;
    pointers[1] = &value;
    CMemFile other;
    CArchive storing(&other, CArchive::store);
    EXPECT_THROW(pointers.Serialize(storing), CNotSupportedException);
}
