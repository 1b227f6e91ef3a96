#include "core/Archive.h"
#include "core/ByteArray.h"
#include "core/DWordArray.h"
#include "core/Exception.h"
#include "core/MemFile.h"
#include "core/ObArray.h"
#include "core/ObList.h"
#include "core/StringArray.h"
#include "core/StringList.h"
#include "core/UIntArray.h"
#include "core/WordArray.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

// A small graph: groups own their members; a group's focus refers to one of them.
class CShape : public CObject {
    DECLARE_SERIAL(CShape)
public:
    CString m_name;
    RECT m_bounds = {};
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_name << m_bounds;
        else
            ar >> m_name >> m_bounds;
    }
};
IMPLEMENT_SERIAL(CShape, CObject, 1)

class CGroup : public CObject {
    DECLARE_SERIAL(CGroup)
public:
    ~CGroup() override
    {
        for (POSITION pos = m_members.GetHeadPosition(); pos;)
            delete m_members.GetNext(pos);
    }
    CObList m_members;
    CShape* m_pFocus = nullptr;
    DWORD m_colour = 0xFFFFFFFF;  // added in schema 2
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            m_members.Serialize(ar);
            ar << m_pFocus << m_colour;
            return;
        }
        UINT schema = ar.GetObjectSchema();
        m_members.Serialize(ar, RUNTIME_CLASS(CObject));
        ar >> m_pFocus;
        if (schema >= 2)
            ar >> m_colour;
    }
};
IMPLEMENT_SERIAL(CGroup, CObject, VERSIONABLE_SCHEMA | 2)

// Serialisable with another base before CObject.
struct IPayload {
    virtual ~IPayload() = default;
    DWORD m_payload = 0;
};
class CMixedShape : public IPayload, public CObject {
    DECLARE_SERIAL(CMixedShape)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_payload;
        else
            ar >> m_payload;
    }
};
IMPLEMENT_SERIAL(CMixedShape, CObject, 1)

// Creatable but not serialisable.
class CScratch : public CObject {
    DECLARE_DYNCREATE(CScratch)
};
IMPLEMENT_DYNCREATE(CScratch, CObject)

namespace {
std::string Bytes(CMemFile& file)
{
    ULONGLONG length = file.GetLength();
    std::string bytes(static_cast<size_t>(length), '\0');
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(length));
    return bytes;
}

std::string Store(const std::function<void(CArchive&)>& write, int bufSize = CArchive::kDefaultBufferSize)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, bufSize);
    write(ar);
    ar.Close();
    return Bytes(file);
}

void Load(std::string bytes, const std::function<void(CArchive&)>& read, BOOL bShared = FALSE)
{
    CMemFile file(reinterpret_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    ar.AllowSharedObjects(bShared);
    read(ar);
}

size_t Occurrences(const std::string& haystack, const std::string& needle)
{
    size_t count = 0;
    for (size_t pos = haystack.find(needle); pos != std::string::npos; pos = haystack.find(needle, pos + 1))
        ++count;
    return count;
}
}  // namespace

TEST(Archive, StoresValuesStringsAndCountsInTheirLayout)
{
    struct {
        const char* what;
        std::function<void(CArchive&)> write;
        size_t size;
        std::string head;
    } rows[] = {
        {"byte, word, dword", [](CArchive& ar) { ar << BYTE(1) << WORD(0x0302) << DWORD(0x07060504); }, 7,
         std::string("\x01\x02\x03\x04\x05\x06\x07", 7)},
        {"rectangle",
         [](CArchive& ar) {
             ar << RECT {1, 2, 3, 4};
         },
         16, std::string("\x01\0\0\0\x02", 5)},
        {"empty string", [](CArchive& ar) { ar << CString(); }, 1, std::string("\0", 1)},
        {"short string", [](CArchive& ar) { ar << CString("Text"); }, 5, "\x04Text"},
        {"254 characters", [](CArchive& ar) { ar << CString('a', 254); }, 255, "\xFE"},
        {"255 characters", [](CArchive& ar) { ar << CString('a', 255); }, 258, "\xFF\xFF\x00"},
        {"65535 characters", [](CArchive& ar) { ar << CString('a', 65535); }, 7 + 65535,
         std::string("\xFF\xFF\xFF\xFF\xFF\x00\x00", 7)},
        {"count 0xFFFE", [](CArchive& ar) { ar.WriteCount(0xFFFE); }, 2, "\xFE\xFF"},
        {"count 0xFFFF", [](CArchive& ar) { ar.WriteCount(0xFFFF); }, 6, std::string("\xFF\xFF\xFF\xFF\0\0", 6)},
        {"count 70000", [](CArchive& ar) { ar.WriteCount(70000); }, 6, std::string("\xFF\xFF\x70\x11\x01\x00", 6)},
    };
    for (const auto& row : rows) {
        std::string bytes = Store(row.write, 128);
        EXPECT_EQ(row.size, bytes.size()) << row.what;
        EXPECT_EQ(row.head, bytes.substr(0, row.head.size())) << row.what;
    }

    std::string bytes = Store([](CArchive& ar) {
        ar << CString('z', 70000) << 0.5 << LONGLONG(-2) << 'c' << short(-3);
        ar.WriteCount(5);
        ar.WriteCount(70000);
    });
    Load(bytes, [](CArchive& ar) {
        CString s;
        double d = 0;
        LONGLONG n = 0;
        char c = 0;
        short sh = 0;
        ar >> s >> d >> n >> c >> sh;
        EXPECT_EQ(CString('z', 70000), s);
        EXPECT_EQ(0.5, d);
        EXPECT_EQ(-2, n);
        EXPECT_EQ('c', c);
        EXPECT_EQ(-3, sh);
        EXPECT_EQ(5u, ar.ReadCount());
        EXPECT_EQ(70000u, ar.ReadCount());
        BYTE extra;
        EXPECT_THROW(ar >> extra, CArchiveException);
    });
}

TEST(Archive, RoundTripsAGraphWithClassRecordsOnceAndBackReferences)
{
    CGroup group;
    for (const char* name : {"first", "second", "third"}) {
        CShape* shape = new CShape;
        shape->m_name = name;
        shape->m_bounds = RECT {1, 2, 3, 4};
        group.m_members.AddTail(shape);
    }
    group.m_pFocus = static_cast<CShape*>(group.m_members.GetAt(group.m_members.FindIndex(1)));
    group.m_colour = 0x00FF00;

    std::string bytes = Store([&](CArchive& ar) { ar << &group; });
    EXPECT_EQ(1u, Occurrences(bytes, "CShape")) << "one class record, then references to it";
    EXPECT_EQ(1u, Occurrences(bytes, "CGroup"));

    CGroup* loaded = nullptr;
    Load(
        bytes, [&](CArchive& ar) { ar >> loaded; }, TRUE);
    ASSERT_NE(nullptr, loaded);
    ASSERT_EQ(3, loaded->m_members.GetCount());
    EXPECT_EQ(loaded->m_members.GetAt(loaded->m_members.FindIndex(1)), loaded->m_pFocus)
        << "the back reference is the same object";
    EXPECT_EQ("second", loaded->m_pFocus->m_name);
    EXPECT_EQ(0x00FF00u, loaded->m_colour);
    EXPECT_EQ(RUNTIME_CLASS(CShape), loaded->m_members.GetHead()->GetRuntimeClass());
    delete loaded;

    // Without shared objects the second reference to the shape is refused.
    try {
        Load(bytes, [&](CArchive& ar) { ar >> loaded; });
        ADD_FAILURE() << "a shared object was accepted";
    } catch (CArchiveException& e) {
        EXPECT_EQ(CArchiveException::badIndex, e.m_cause);
    }
}

TEST(Archive, RoundTripsAClassWithASecondBase)
{
    CMixedShape mixed;
    mixed.m_payload = 0x12345678;
    std::string bytes = Store([&](CArchive& ar) { ar << &mixed; });
    CMixedShape* loaded = nullptr;
    Load(bytes, [&](CArchive& ar) { ar >> loaded; });
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(0x12345678u, loaded->m_payload);
    EXPECT_EQ(RUNTIME_CLASS(CMixedShape), loaded->GetRuntimeClass());
    delete loaded;
}

TEST(Archive, ReadsAnOlderSchemaOfAVersionableClass)
{
    // A group written by schema 1: no colour field.
    std::string bytes = Store([](CArchive& ar) {
        ar << WORD(0xFFFF) << WORD(1) << WORD(6);
        ar.Write("CGroup", 6);
        ar.WriteCount(0);  // no members
        ar << WORD(0);     // no focus
    });
    CGroup* loaded = nullptr;
    Load(bytes, [&](CArchive& ar) {
        loaded = static_cast<CGroup*>(ar.ReadObject(RUNTIME_CLASS(CGroup)));
        EXPECT_EQ(static_cast<UINT>(-1), ar.GetObjectSchema()) << "the schema is given out once, while loading";
    });
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(0xFFFFFFFFu, loaded->m_colour);
    delete loaded;

    // A class that is not versionable refuses another schema.
    std::string shape = Store([](CArchive& ar) {
        ar << WORD(0xFFFF) << WORD(3) << WORD(6);
        ar.Write("CShape", 6);
        ar << CString("x") << RECT {};
    });
    try {
        Load(shape, [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CShape)); });
        ADD_FAILURE() << "another schema was accepted";
    } catch (CArchiveException& e) {
        EXPECT_EQ(CArchiveException::badSchema, e.m_cause);
    }
}

TEST(Archive, RefusesClassesTheCallerDidNotAsk)
{
    CShape shape;
    std::string bytes = Store([&](CArchive& ar) { ar << &shape; });
    struct {
        const char* what;
        const CRuntimeClass* requested;
        std::string data;
        int cause;
    } rows[] = {
        {"shape where a group is expected", RUNTIME_CLASS(CGroup), bytes, CArchiveException::badClass},
        {"unknown class", nullptr,
         std::string("\xFF\xFF\x01\x00\x06\x00"
                     "CNoSuc",
                     12),
         CArchiveException::badClass},
        {"not serialisable", nullptr,
         std::string("\xFF\xFF\xFF\xFF\x08\x00"
                     "CScratch",
                     14),
         CArchiveException::badClass},
        {"overlong class name", nullptr, std::string("\xFF\xFF\x01\x00\xFF\x00", 6), CArchiveException::badClass},
        {"reference to no record", nullptr, std::string("\x05\x00", 2), CArchiveException::badIndex},
        {"class reference to no record", nullptr, std::string("\x01\x80", 2), CArchiveException::badIndex},
        {"empty data", nullptr, std::string(), CArchiveException::endOfFile},
    };
    for (const auto& row : rows) {
        try {
            Load(row.data, [&](CArchive& ar) { ar.ReadObject(row.requested); });
            ADD_FAILURE() << row.what << ": accepted";
        } catch (CArchiveException& e) {
            EXPECT_EQ(row.cause, e.m_cause) << row.what;
        }
    }

    CScratch scratch;
    EXPECT_THROW(Store([&](CArchive& ar) { ar << &scratch; }), CNotSupportedException);
    EXPECT_THROW(Load(bytes, [](CArchive& ar) { ar << 1; }), CArchiveException) << "writing to a loading archive";
}

TEST(Archive, CollectionsSerialiseThemselves)
{
    CStringArray strings;
    strings.Add("one");
    strings.Add("");
    CStringList list;
    list.AddTail("x");
    list.AddTail(CString('y', 300));
    CDWordArray dwords;
    dwords.Add(0xDEADBEEF);
    CWordArray words;
    words.Add(7);
    CUIntArray uints;
    uints.Add(9);
    CByteArray bytes;
    bytes.SetSize(70000);  // count escape
    bytes[69999] = 0xAB;
    CObArray objects;
    CShape shape;
    objects.Add(&shape);
    objects.Add(nullptr);

    std::string data = Store([&](CArchive& ar) {
        strings.Serialize(ar);
        list.Serialize(ar);
        dwords.Serialize(ar);
        words.Serialize(ar);
        uints.Serialize(ar);
        bytes.Serialize(ar);
        objects.Serialize(ar);
    });
    EXPECT_EQ(std::string("\x02\x00\x03one\x00", 7), data.substr(0, 7)) << "count, then the strings";

    CStringArray strings2;
    CStringList list2;
    CDWordArray dwords2;
    CWordArray words2;
    CUIntArray uints2;
    CByteArray bytes2;
    CObArray objects2;
    Load(data, [&](CArchive& ar) {
        strings2.Serialize(ar);
        list2.Serialize(ar);
        dwords2.Serialize(ar);
        words2.Serialize(ar);
        uints2.Serialize(ar);
        bytes2.Serialize(ar);
        objects2.Serialize(ar);
    });
    ASSERT_EQ(2, strings2.GetSize());
    EXPECT_EQ("one", strings2[0]);
    ASSERT_EQ(2, list2.GetCount());
    EXPECT_EQ(CString('y', 300), list2.GetTail());
    EXPECT_EQ(0xDEADBEEFu, dwords2[0]);
    EXPECT_EQ(7, words2[0]);
    EXPECT_EQ(9u, uints2[0]);
    ASSERT_EQ(70000, bytes2.GetSize());
    EXPECT_EQ(0xAB, bytes2[69999]);
    ASSERT_EQ(2, objects2.GetSize());
    EXPECT_EQ(nullptr, objects2[1]);
    ASSERT_NE(nullptr, objects2[0]);
    EXPECT_TRUE(objects2[0]->IsKindOf(RUNTIME_CLASS(CShape)));
    delete objects2[0];
}

TEST(Archive, LeavesTheFileRightAfterTheDataItRead)
{
    std::string data = Store([](CArchive& ar) { ar << DWORD(1); });
    data += "tail";
    CMemFile file(reinterpret_cast<BYTE*>(data.data()), static_cast<UINT>(data.size()));
    {
        CArchive ar(&file, CArchive::load);
        DWORD value = 0;
        ar >> value;
        ar.Close();
    }
    EXPECT_EQ(4u, file.GetPosition());
}
