// Loading archives from untrusted bytes: only archive exceptions, no leaks.
#include "core/Archive.h"
#include "core/DWordArray.h"
#include "core/Exception.h"
#include "core/MemFile.h"
#include "core/ObList.h"
#include <gtest/gtest.h>
#include <new>
#include <random>
#include <string>

namespace {
int g_live = 0;         // objects alive
int g_constructed = 0;  // objects ever constructed
}  // namespace

class CCounted : public CObject {
    DECLARE_DYNAMIC(CCounted)
public:
    CCounted()
    {
        ++g_live;
        ++g_constructed;
    }
    ~CCounted() override { --g_live; }
};
IMPLEMENT_DYNAMIC(CCounted, CObject)

class CCountedLeaf : public CCounted {
    DECLARE_SERIAL(CCountedLeaf)
public:
    WORD m_kind = 0;
    CString m_text;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_kind << m_text;
        else
            ar >> m_kind >> m_text;
    }
};
IMPLEMENT_SERIAL(CCountedLeaf, CCounted, 1)

// Owns its children and its extra leaf.
class CCountedNode : public CCounted {
    DECLARE_SERIAL(CCountedNode)
public:
    ~CCountedNode() override
    {
        while (!m_children.IsEmpty())
            delete m_children.RemoveHead();
        delete m_pExtra;
    }
    CString m_name;
    CDWordArray m_values;
    CObList m_children;
    CCountedLeaf* m_pExtra = nullptr;  // since schema 2
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_name;
            m_values.Serialize(ar);
            m_children.Serialize(ar);
            ar << m_pExtra;
            return;
        }
        UINT schema = ar.GetObjectSchema();
        ar >> m_name;
        m_values.Serialize(ar);
        m_children.Serialize(ar, RUNTIME_CLASS(CCounted));
        if (schema >= 2)
            ar >> m_pExtra;
    }
};
IMPLEMENT_SERIAL(CCountedNode, CCounted, VERSIONABLE_SCHEMA | 2)

namespace {
CCountedLeaf* NewLeaf(WORD kind, LPCSTR text)
{
    CCountedLeaf* leaf = new CCountedLeaf;
    leaf->m_kind = kind;
    leaf->m_text = text;
    return leaf;
}

// root(leaf, node(leaf, leaf, extra leaf), null, leaf) with values in every node.
std::string ValidArchive()
{
    CCountedNode root;
    root.m_name = "root";
    root.m_values.Add(1);
    root.m_values.Add(0xFFFF);
    root.m_children.AddTail(NewLeaf(1, "first"));
    CCountedNode* inner = new CCountedNode;
    inner->m_name = "inner";
    inner->m_values.Add(42);
    inner->m_children.AddTail(NewLeaf(2, "a"));
    inner->m_children.AddTail(NewLeaf(3, ""));
    inner->m_pExtra = NewLeaf(4, "extra");
    root.m_children.AddTail(inner);
    root.m_children.AddTail(static_cast<CObject*>(nullptr));
    root.m_children.AddTail(NewLeaf(5, "last"));

    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar << &root;
    ar.Close();
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

enum class Outcome { loaded, archiveError, otherError };

// Loads a node from the bytes and deletes whatever came out.
Outcome LoadNode(std::string bytes, BOOL bShared = FALSE)
{
    CMemFile file(reinterpret_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    try {
        CArchive ar(&file, CArchive::load);
        ar.AllowSharedObjects(bShared);
        CCountedNode* node = nullptr;
        ar >> node;
        delete node;
        return Outcome::loaded;
    } catch (CArchiveException&) {
        return Outcome::archiveError;
    } catch (...) {
        return Outcome::otherError;
    }
}
}  // namespace

TEST(ArchiveLoad, TheValidArchiveLoadsWhole)
{
    std::string bytes = ValidArchive();
    ASSERT_EQ(0, g_live);
    CMemFile file(reinterpret_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CCountedNode* root = nullptr;
    ar >> root;
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(7, g_live);
    EXPECT_EQ(4, root->m_children.GetCount());
    CCountedNode* inner = static_cast<CCountedNode*>(root->m_children.GetAt(root->m_children.FindIndex(1)));
    ASSERT_NE(nullptr, inner->m_pExtra);
    EXPECT_EQ("extra", inner->m_pExtra->m_text);
    EXPECT_EQ(0xFFFFu, root->m_values[1]);
    delete root;
    EXPECT_EQ(0, g_live);
}

TEST(ArchiveLoad, EveryTruncationFailsWithAnArchiveExceptionAndNoLeak)
{
    std::string bytes = ValidArchive();
    for (size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_EQ(Outcome::archiveError, LoadNode(bytes.substr(0, length))) << "length " << length;
        ASSERT_EQ(0, g_live) << "leak at length " << length;
    }
}

TEST(ArchiveLoad, RandomMutationsGiveObjectsOrArchiveExceptionsAndNoLeak)
{
    const std::string valid = ValidArchive();
    std::mt19937 random(20261210);
    auto below = [&](size_t n) {
        return static_cast<size_t>(random() % n);
    };
    int loaded = 0, refused = 0;
    for (int i = 0; i < 100000; ++i) {
        std::string bytes = valid;
        int edits = 1 + static_cast<int>(below(3));
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            size_t at = below(bytes.size());
            switch (below(5)) {
            case 0:
                bytes[at] = static_cast<char>(random());
                break;
            case 1:
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << below(8)));
                break;
            case 2:
                bytes.insert(at, 1, static_cast<char>(random()));
                break;
            case 3:
                bytes.erase(at, 1 + below(4));
                break;
            default:
                bytes[at] = static_cast<char>(below(2) ? 0xFF : 0x00);
                break;
            }
        }
        Outcome outcome = LoadNode(bytes);
        ASSERT_NE(Outcome::otherError, outcome) << "mutation " << i;
        ASSERT_EQ(0, g_live) << "leak after mutation " << i;
        (outcome == Outcome::loaded ? loaded : refused)++;
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

TEST(ArchiveLoad, HostileCountsAndNestingAreRefusedBeforeAllocating)
{
    auto node = [](const std::string& name, const std::string& afterName) {
        return std::string("\xFF\xFF\x02\x00\x0C\x00"
                           "CCountedNode",
                           18) +
            name + afterName;
    };
    struct {
        const char* what;
        std::string bytes;
        int cause;
    } rows[] = {
        {"string length beyond the data", node(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7), ""),
         CArchiveException::endOfFile},
        {"array count beyond the data", node(std::string("\x00", 1), std::string("\xFF\xFF\xFF\xFF\xFF\x3F", 6)),
         CArchiveException::endOfFile},
        {"list count beyond the data", node(std::string("\x00", 1), std::string("\x00\x00\xFE\xFF", 4)),
         CArchiveException::endOfFile},
    };
    for (const auto& row : rows) {
        std::string bytes = row.bytes;
        CMemFile file(reinterpret_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
        CArchive ar(&file, CArchive::load);
        try {
            ar.ReadObject(RUNTIME_CLASS(CCountedNode));
            ADD_FAILURE() << row.what << ": accepted";
        } catch (CArchiveException& e) {
            EXPECT_EQ(row.cause, e.m_cause) << row.what;
        }
        EXPECT_EQ(0, g_live) << row.what;
    }

    // 100,000 nodes, each the only child of the one before: refused, not a stack overflow.
    std::string deep = node(std::string("\x00", 1), std::string("\x00\x00\x01\x00", 4));
    for (int i = 1; i < 100000; ++i)
        deep += std::string("\x01\x80\x00\x00\x00\x01\x00", 7);  // class record 1, no name, no values, one child
    CMemFile file(reinterpret_cast<BYTE*>(deep.data()), static_cast<UINT>(deep.size()));
    CArchive ar(&file, CArchive::load);
    try {
        ar.ReadObject(RUNTIME_CLASS(CCountedNode));
        ADD_FAILURE() << "deep nesting accepted";
    } catch (CArchiveException& e) {
        EXPECT_EQ(CArchiveException::badIndex, e.m_cause);
    }
    EXPECT_EQ(0, g_live);
}

TEST(ArchiveLoad, AnUnexpectedClassIsRefusedBeforeAnObjectIsMade)
{
    CCountedLeaf leaf;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << &leaf;
    }
    file.SeekToBegin();
    int constructedBefore = g_constructed;
    CArchive ar(&file, CArchive::load);
    EXPECT_THROW(ar.ReadObject(RUNTIME_CLASS(CCountedNode)), CArchiveException);
    EXPECT_EQ(constructedBefore, g_constructed);
}
