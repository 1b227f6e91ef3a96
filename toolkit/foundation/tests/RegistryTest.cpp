// CWTKRegistry against the real registry, in a sandbox key of this program: the path rule,
// round trips of every value kind, read-only objects, missing keys, tree deletion, and damaged
// values (truncated, random, of another class or type, with huge counts) that must answer
// FALSE without a crash or a large allocation.
#include "RegistryTestApp.h"
#include "foundation/WTKRegistryHolder.h"

#include "core/Archive.h"
#include "core/Exception.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

// Every allocation of the program passes here so that a test can see the largest one made
// while damaged values are read.
namespace {
std::atomic<size_t> g_nLargestAllocation {0};
}  // namespace

// Out of line, so that the compiler never sees free() meet a pointer from operator new.
[[gnu::noinline]] void* operator new(size_t nBytes)
{
    size_t nLargest = g_nLargestAllocation.load();
    while (nBytes > nLargest && !g_nLargestAllocation.compare_exchange_weak(nLargest, nBytes)) {
    }
    if (void* p = std::malloc(nBytes ? nBytes : 1))
        return p;
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* p) noexcept
{
    std::free(p);
}

[[gnu::noinline]] void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}

namespace {

const char kKeyPath[] = "SOFTWARE\\WTKRegistryTestSandbox\\Values";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteSandbox();
        theApp.SetRegistryKey(kSandboxCompany);
    }
    void TearDown() override { DeleteSandbox(); }

    // A registry object on the test key, created.
    CWTKRegistry& Writer()
    {
        CWTKRegistry& reg = m_writer.Create(FALSE, FALSE);
        EXPECT_TRUE(reg.CreateKey(kKeyPath));
        return reg;
    }
    // A read-only object on the test key.
    CWTKRegistry& Reader()
    {
        CWTKRegistry& reg = m_reader.Create(FALSE, TRUE);
        EXPECT_TRUE(reg.Open(kKeyPath));
        return reg;
    }
    void SetRaw(const char* pszName, DWORD dwType, const std::string& bytes)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(
            ERROR_SUCCESS,
            ::RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
        ASSERT_EQ(ERROR_SUCCESS,
                  ::RegSetValueExA(hKey, pszName, 0, dwType, reinterpret_cast<const BYTE*>(bytes.data()),
                                   (DWORD)bytes.size()));
        ::RegCloseKey(hKey);
    }
    std::string GetRaw(const char* pszName)
    {
        std::string bytes(CWTKRegistry::kMaxBinaryBytes, '\0');
        DWORD dwSize = (DWORD)bytes.size();
        if (::RegGetValueA(HKEY_CURRENT_USER, kKeyPath, pszName, RRF_RT_REG_BINARY, nullptr, bytes.data(), &dwSize) !=
            ERROR_SUCCESS)
            return std::string();
        bytes.resize(dwSize);
        return bytes;
    }
    DWORD ValueCount()
    {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return 0;
        DWORD dwValues = 0;
        ::RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &dwValues, nullptr, nullptr,
                           nullptr, nullptr);
        ::RegCloseKey(hKey);
        return dwValues;
    }

    CWTKRegistryHolder m_writer, m_reader;
};

// The application's own registry class.
class CAppRegistry : public CWTKRegistry {
    DECLARE_DYNCREATE(CAppRegistry)
};
IMPLEMENT_DYNCREATE(CAppRegistry, CWTKRegistry)

TEST(RegistryHolderTest, CreatesTheRegisteredClassOnlyWhenItIsARegistryClass)
{
    EXPECT_FALSE(CWTKRegistryHolder::SetRegistryClass(RUNTIME_CLASS(CStringArray)));
    EXPECT_EQ(nullptr, CWTKRegistryHolder::GetRegistryClass());
    ASSERT_TRUE(CWTKRegistryHolder::SetRegistryClass(RUNTIME_CLASS(CAppRegistry)));
    {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(TRUE, TRUE);
        EXPECT_TRUE(reg.IsKindOf(RUNTIME_CLASS(CAppRegistry)));
        EXPECT_TRUE(reg.IsAdmin());
        EXPECT_TRUE(reg.IsReadOnly());
        EXPECT_EQ(HKEY_LOCAL_MACHINE, reg.GetKey());
    }
    CWTKRegistryHolder::SetRegistryClass(nullptr);
    CWTKRegistryHolder holder;
    EXPECT_EQ(RUNTIME_CLASS(CWTKRegistry), holder.Create(FALSE, FALSE).GetRuntimeClass());
}

TEST(RegistryPathTest, SectionBelowTheApplicationKeyUnlessAFullPathIsGiven)
{
    struct Row {
        const char* registryKey;
        const char* section;
        const char* fullPath;
        const char* expected;
    } rows[] = {
        {"Company", "Section", "", "SOFTWARE\\Company\\WTKRegistryTests\\Section\\"},
        {"Company", "Section", nullptr, "SOFTWARE\\Company\\WTKRegistryTests\\Section\\"},
        {"Company", "Outer\\Inner", "", "SOFTWARE\\Company\\WTKRegistryTests\\Outer\\Inner\\"},
        {"", "Section", "", "SOFTWARE\\WTKRegistryTests\\Section\\"},
        {"Company", "Section", "Given\\Path\\", "Given\\Path\\"},
    };
    for (const Row& row : rows) {
        theApp.SetRegistryKey(row.registryKey);
        EXPECT_STREQ(row.expected, BuildRegistryPath(row.section, row.fullPath))
            << row.registryKey << " " << row.section;
    }
    theApp.SetRegistryKey("");
}

TEST_F(RegistryTest, EveryValueKindRoundTrips)
{
    CWTKRegistry& w = Writer();
    CStringArray strings;
    strings.Add("one");
    strings.Add("");
    strings.Add("three");
    CStringList stringList;
    stringList.AddTail("first");
    stringList.AddTail("second");
    CByteArray bytes;
    bytes.Add(0);
    bytes.Add(0xFF);
    CWordArray words;
    words.Add(1);
    words.Add(0xFFFF);
    words.Add(0x1234);
    CDWordArray dwords;
    dwords.Add(0xDEADBEEF);
    CObList objects;
    objects.AddTail(new CStringArray);
    static_cast<CStringArray*>(objects.GetHead())->Add("inside");
    BYTE raw[] = {1, 2, 3, 0, 5};

    EXPECT_TRUE(w.Write("Int", -7));
    EXPECT_EQ((DWORD)REG_DWORD, w.GetLastValueType());
    EXPECT_TRUE(w.Write("DWord", (DWORD)0x80000001));
    EXPECT_TRUE(w.Write("String", "Glyph text"));
    EXPECT_EQ((DWORD)REG_SZ, w.GetLastValueType());
    EXPECT_EQ(11u, w.GetLastDataSize());
    EXPECT_TRUE(w.Write("Raw", raw, sizeof(raw)));
    EXPECT_TRUE(w.Write("Rect", CRect(-10, 20, 300, 400)));
    EXPECT_EQ(16u, w.GetLastDataSize());
    EXPECT_TRUE(w.Write("Point", CPoint(-5, 70000)));
    EXPECT_TRUE(w.Write("Strings", strings));
    EXPECT_TRUE(w.Write("StringList", stringList));
    EXPECT_TRUE(w.Write("Bytes", bytes));
    EXPECT_TRUE(w.Write("Words", words));
    EXPECT_EQ(4u + 3 * 2, w.GetLastDataSize());
    EXPECT_TRUE(w.Write("DWords", dwords));
    EXPECT_TRUE(w.Write("Object", static_cast<CObject*>(&strings)));
    EXPECT_TRUE(w.Write("ObjectList", objects));
    EXPECT_TRUE(w.Write("Serialized", static_cast<CObject&>(stringList)));
    while (!objects.IsEmpty())
        delete objects.RemoveHead();

    CWTKRegistry& r = Reader();
    int nInt = 0;
    DWORD dwValue = 0;
    CString strValue;
    CRect rect;
    CPoint point;
    CStringArray stringsRead;
    CStringList stringListRead, serializedRead;
    CByteArray bytesRead;
    CWordArray wordsRead;
    CDWordArray dwordsRead;
    CObList objectsRead;
    BYTE* pRaw = nullptr;
    UINT nRaw = 0;
    CObject* pObject = nullptr;
    ASSERT_TRUE(r.Read("Int", nInt));
    EXPECT_EQ(-7, nInt);
    ASSERT_TRUE(r.Read("DWord", dwValue));
    EXPECT_EQ(0x80000001u, dwValue);
    ASSERT_TRUE(r.Read("String", strValue));
    EXPECT_STREQ("Glyph text", strValue);
    ASSERT_TRUE(r.Read("Raw", pRaw, nRaw));
    std::unique_ptr<BYTE[]> rawOwner(pRaw);
    ASSERT_EQ(sizeof(raw), nRaw);
    EXPECT_EQ(0, memcmp(raw, pRaw, nRaw));
    ASSERT_TRUE(r.Read("Rect", rect));
    EXPECT_EQ(CRect(-10, 20, 300, 400), rect);
    ASSERT_TRUE(r.Read("Point", point));
    EXPECT_EQ(CPoint(-5, 70000), point);
    ASSERT_TRUE(r.Read("Strings", stringsRead));
    ASSERT_EQ(3, stringsRead.GetSize());
    EXPECT_STREQ("three", stringsRead[2]);
    ASSERT_TRUE(r.Read("StringList", stringListRead));
    ASSERT_EQ(2, stringListRead.GetCount());
    EXPECT_STREQ("second", stringListRead.GetTail());
    ASSERT_TRUE(r.Read("Bytes", bytesRead));
    ASSERT_EQ(2, bytesRead.GetSize());
    EXPECT_EQ(0xFF, bytesRead[1]);
    ASSERT_TRUE(r.Read("Words", wordsRead));
    ASSERT_EQ(3, wordsRead.GetSize());
    EXPECT_EQ(0xFFFF, wordsRead[1]);
    EXPECT_EQ(0x1234, wordsRead[2]);
    ASSERT_TRUE(r.Read("DWords", dwordsRead));
    ASSERT_EQ(1, dwordsRead.GetSize());
    EXPECT_EQ(0xDEADBEEFu, dwordsRead[0]);
    ASSERT_TRUE(r.Read("Object", pObject, RUNTIME_CLASS(CStringArray)));
    std::unique_ptr<CObject> objectOwner(pObject);
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_STREQ("three", static_cast<CStringArray*>(pObject)->GetAt(2));
    ASSERT_TRUE(r.Read("ObjectList", objectsRead, RUNTIME_CLASS(CStringArray)));
    ASSERT_EQ(1, objectsRead.GetCount());
    EXPECT_STREQ("inside", static_cast<CStringArray*>(objectsRead.GetHead())->GetAt(0));
    delete objectsRead.RemoveHead();
    ASSERT_TRUE(r.Read("Serialized", static_cast<CObject&>(serializedRead)));
    EXPECT_EQ(2, serializedRead.GetCount());

    // Missing values: FALSE, integers untouched, strings empty.
    nInt = 99;
    strValue = "stale";
    EXPECT_FALSE(r.Read("Missing", nInt));
    EXPECT_EQ(99, nInt);
    EXPECT_FALSE(r.Read("Missing", strValue));
    EXPECT_TRUE(strValue.IsEmpty());
    EXPECT_NE(ERROR_SUCCESS, r.GetLastError());
}

TEST_F(RegistryTest, KeysOpenWithOrWithoutTrailingBackslashAndAMissingKeyLeavesTheCurrentOne)
{
    Writer().Write("Int", 5);
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, TRUE);
    EXPECT_EQ(HKEY_CURRENT_USER, reg.GetKey());
    EXPECT_FALSE(reg.Open("SOFTWARE\\WTKRegistryTestSandbox\\Nowhere\\"));
    EXPECT_EQ(HKEY_CURRENT_USER, reg.GetKey());  // still the root
    EXPECT_TRUE(reg.VerifyKey(CString(kKeyPath) + "\\"));
    ASSERT_TRUE(reg.Open(CString(kKeyPath) + "\\"));
    HKEY hOpened = reg.GetKey();
    EXPECT_TRUE(reg.VerifyValue("Int"));
    EXPECT_FALSE(reg.Open("Nowhere"));
    EXPECT_EQ(hOpened, reg.GetKey());
    int nValue = 0;
    EXPECT_TRUE(reg.Read("Int", nValue));
    EXPECT_EQ(5, nValue);
    // The holder made one object and gives it back whatever the later arguments say.
    EXPECT_EQ(&reg, &holder.Create(TRUE, FALSE));
    EXPECT_TRUE(reg.IsReadOnly());
    EXPECT_FALSE(reg.IsAdmin());

    reg.Close();
    EXPECT_EQ(nullptr, reg.GetKey());
    EXPECT_FALSE(reg.Read("Int", nValue));
    CStringArray names;
    EXPECT_FALSE(reg.ReadValues(names));
    EXPECT_FALSE(reg.ReadSubKeys(names));  // an invalid key is a failure, not an empty list
}

TEST_F(RegistryTest, ReadOnlyObjectsWriteNothing)
{
    Writer().Write("Kept", 1);
    m_writer.Create(FALSE, FALSE).CreateKey("Child");
    CWTKRegistry& reg = Reader();
    CStringArray strings;
    CRect rect(1, 2, 3, 4);
    BYTE raw[] = {1};
    EXPECT_FALSE(reg.Write("A", 1));
    EXPECT_FALSE(reg.Write("B", (DWORD)1));
    EXPECT_FALSE(reg.Write("C", "text"));
    EXPECT_FALSE(reg.Write("D", strings));
    EXPECT_FALSE(reg.Write("E", rect));
    EXPECT_FALSE(reg.Write("F", raw, sizeof(raw)));
    EXPECT_FALSE(reg.Write("G", static_cast<CObject*>(&strings)));
    EXPECT_FALSE(reg.DeleteValue("Kept"));
    EXPECT_FALSE(reg.CreateKey("Other"));
    EXPECT_FALSE(reg.DeleteKey(CString(kKeyPath) + "\\Child"));
    EXPECT_EQ(1u, ValueCount());
    EXPECT_TRUE(KeyExists("SOFTWARE\\WTKRegistryTestSandbox\\Values\\Child"));
    EXPECT_FALSE(KeyExists("SOFTWARE\\WTKRegistryTestSandbox\\Values\\Other"));
}

TEST_F(RegistryTest, EnumerationsListNamesAndAnswerFalseForNone)
{
    CWTKRegistry& w = Writer();
    CStringArray names;
    EXPECT_FALSE(w.ReadValues(names));
    EXPECT_FALSE(w.ReadSubKeys(names));
    w.Write("First", 1);
    w.Write("Second", "2");
    for (const char* pszChild : {"Values\\A", "Values\\B"}) {
        CWTKRegistryHolder holder;
        ASSERT_TRUE(holder.Create(FALSE, FALSE).CreateKey(CString("SOFTWARE\\WTKRegistryTestSandbox\\") + pszChild));
    }
    names.Add("kept");
    ASSERT_TRUE(w.ReadValues(names));
    ASSERT_EQ(3, names.GetSize());  // appended
    EXPECT_STREQ("First", names[1]);
    EXPECT_STREQ("Second", names[2]);
    CStringArray subKeys;
    ASSERT_TRUE(w.ReadSubKeys(subKeys));
    ASSERT_EQ(2, subKeys.GetSize());
    EXPECT_STREQ("A", subKeys[0]);
    EXPECT_STREQ("B", subKeys[1]);
}

// A name the enumeration cannot take is a failure: a partial list never passes for the whole.
TEST_F(RegistryTest, AValueNameTooLongForTheListIsAFailure)
{
    SetRaw("Short", REG_DWORD, std::string(4, '\0'));
    SetRaw(std::string(CWTKRegistry::kMaxNameChars + 10, 'L').c_str(), REG_DWORD, std::string(4, '\0'));
    CWTKRegistry& reg = Reader();
    CStringArray names;
    EXPECT_FALSE(reg.ReadValues(names));
    EXPECT_NE(ERROR_SUCCESS, reg.GetLastError());
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeTree)
{
    for (const char* pszPath : {"Tree\\A\\B\\C", "Tree\\A\\D", "Tree\\E", "Beside"}) {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(CString("SOFTWARE\\WTKRegistryTestSandbox\\") + pszPath));
        ASSERT_TRUE(reg.Write("Value", 1));
    }
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    ASSERT_TRUE(reg.Open("SOFTWARE\\WTKRegistryTestSandbox\\Beside"));  // deletion does not go below this key
    EXPECT_TRUE(reg.DeleteKey("SOFTWARE\\WTKRegistryTestSandbox\\Tree\\"));
    EXPECT_FALSE(KeyExists("SOFTWARE\\WTKRegistryTestSandbox\\Tree"));
    EXPECT_TRUE(KeyExists("SOFTWARE\\WTKRegistryTestSandbox\\Beside"));
    EXPECT_EQ(0u, reg.GetLastValueType());
    EXPECT_FALSE(reg.DeleteKey("SOFTWARE\\WTKRegistryTestSandbox\\Tree"));  // gone already
    EXPECT_FALSE(reg.DeleteKey(""));                                        // never the root
}

// An object whose storing fails the way its row says.
class CUnstorable : public CObject {
public:
    explicit CUnstorable(void (*pfnFail)()) : m_pfnFail(pfnFail) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            m_pfnFail();
    }

private:
    void (*m_pfnFail)();
};

TEST_F(RegistryTest, AnObjectThatCannotBeStoredSaysWhy)
{
    struct Case {
        const char* pszName;
        void (*pfnFail)();
        LONG lError;
    } const cases[] = {
        {"archive exception", [] { FwThrowArchiveException(CArchiveException::badClass); }, ERROR_INVALID_DATA},
        {"memory exception", [] { FwThrowMemoryException(); }, ERROR_NOT_ENOUGH_MEMORY},
        {"allocation failure", [] { throw std::bad_alloc(); }, ERROR_NOT_ENOUGH_MEMORY},
    };
    CWTKRegistry& w = Writer();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CUnstorable object(c.pfnFail);
        EXPECT_FALSE(w.Write("Unstorable", object));
        EXPECT_EQ(w.GetLastError(), c.lError);
        EXPECT_FALSE(w.VerifyValue("Unstorable")) << "nothing is written";
    }
}

// Values that a user or another program damaged: every reader answers FALSE, allocates
// nothing large and leaves nothing behind.
TEST_F(RegistryTest, DamagedValuesAnswerFalse)
{
    CWTKRegistry& w = Writer();
    CStringArray strings;
    strings.Add("alpha");
    strings.Add("beta");
    CStringList stringList;
    stringList.AddTail("gamma");
    ASSERT_TRUE(w.Write("StringList", static_cast<CObject*>(&stringList)));
    CObList listOfLists;
    listOfLists.AddTail(&stringList);
    ASSERT_TRUE(w.Write("ListOfLists", listOfLists));
    listOfLists.RemoveAll();
    SetRaw("HugeStrings", REG_BINARY,
           std::string("\xFF\xFF\xFF\xFF\xFF\x7F"
                       "ab",
                       8));
    SetRaw("HugeWords", REG_BINARY,
           std::string("\xFF\xFF\xFF\x7F"
                       "abcd",
                       8));
    SetRaw("HugeList", REG_BINARY, std::string("\xFF\xFF\xFF\xFF\xFF\x7F\0\0", 8));
    // A class record that names a class no program has.
    SetRaw("UnknownClass", REG_BINARY, std::string("\xFF\xFF\0\0\x05\0Bogus", 11));
    SetRaw("ShortRect", REG_BINARY, std::string(12, '\x01'));
    SetRaw("LongRect", REG_BINARY, std::string(20, '\x01'));
    SetRaw("TextRect", REG_SZ, std::string(16, 'x'));
    SetRaw("TextInt", REG_SZ, std::string("12\0", 3));
    SetRaw("ShortInt", REG_BINARY, std::string("\x01\x02", 2));
    SetRaw("IntString", REG_DWORD, std::string("\x01\0\0\0", 4));
    SetRaw("TooBig", REG_BINARY, std::string(CWTKRegistry::kMaxBinaryBytes + 1, '\0'));

    CWTKRegistry& r = Reader();
    g_nLargestAllocation = 0;
    CObject* pObject = reinterpret_cast<CObject*>(1);
    EXPECT_FALSE(r.Read("StringList", pObject, RUNTIME_CLASS(CStringArray)));  // another class
    EXPECT_EQ(nullptr, pObject);
    EXPECT_FALSE(r.Read("UnknownClass", pObject, RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(r.Read("HugeStrings", pObject, RUNTIME_CLASS(CObject)));
    EXPECT_EQ(nullptr, pObject);
    CObList objects;
    objects.AddTail(new CStringArray);  // deleted by the read
    EXPECT_FALSE(r.Read("ListOfLists", objects, RUNTIME_CLASS(CStringArray)));
    EXPECT_TRUE(objects.IsEmpty());
    EXPECT_FALSE(r.Read("HugeList", objects, RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(objects.IsEmpty());
    CStringArray stringsRead;
    stringsRead.Add("stale");
    EXPECT_FALSE(r.Read("HugeStrings", stringsRead));
    EXPECT_EQ(0, stringsRead.GetSize());
    CWordArray words;
    EXPECT_FALSE(r.Read("HugeWords", words));
    EXPECT_EQ(0, words.GetSize());
    CRect rect(1, 1, 1, 1);
    for (const char* pszName : {"ShortRect", "LongRect", "TextRect", "Missing"}) {
        EXPECT_FALSE(r.Read(pszName, rect)) << pszName;
        EXPECT_EQ(CRect(1, 1, 1, 1), rect) << pszName;
    }
    int nValue = 42;
    for (const char* pszName : {"TextInt", "ShortInt"}) {
        EXPECT_FALSE(r.Read(pszName, nValue)) << pszName;
        EXPECT_EQ(42, nValue) << pszName;
    }
    CString strValue = "stale";
    EXPECT_FALSE(r.Read("IntString", strValue));
    EXPECT_TRUE(strValue.IsEmpty());
    BYTE* pData = reinterpret_cast<BYTE*>(1);
    UINT nBytes = 7;
    EXPECT_FALSE(r.Read("TooBig", pData, nBytes));
    EXPECT_EQ(nullptr, pData);
    EXPECT_EQ(0u, nBytes);
    EXPECT_FALSE(r.Read("TooBig", stringsRead));
    // The size query of the value that is too big allocates nothing either.
    EXPECT_LT(g_nLargestAllocation.load(), (size_t)64 * 1024);
}

TEST_F(RegistryTest, StringsAreTerminatedAndBounded)
{
    SetRaw("Unterminated", REG_SZ, "abcd");
    SetRaw("Expand", REG_EXPAND_SZ, std::string("%x%\0", 4));
    SetRaw("TooLong", REG_SZ, std::string(CWTKRegistry::kMaxStringChars + 10, 'x') + '\0');
    CWTKRegistry& r = Reader();
    CString strValue;
    ASSERT_TRUE(r.Read("Unterminated", strValue));
    EXPECT_STREQ("abcd", strValue);
    ASSERT_TRUE(r.Read("Expand", strValue));
    EXPECT_STREQ("%x%", strValue);
    EXPECT_FALSE(r.Read("TooLong", strValue));
    EXPECT_TRUE(strValue.IsEmpty());
}

// Every shorter prefix of a sound archive, and deterministic random bytes, read through each
// archive reader: no crash, no leftovers, no large allocation.
TEST_F(RegistryTest, TruncatedAndRandomArchivesAreRefused)
{
    CWTKRegistry& w = Writer();
    CStringArray strings;
    for (const char* psz : {"one", "two", "three"})
        strings.Add(psz);
    CObList objects;
    objects.AddTail(&strings);
    ASSERT_TRUE(w.Write("Sound", objects));
    objects.RemoveAll();
    g_nLargestAllocation = 0;
    std::string sound = GetRaw("Sound");
    ASSERT_GT(sound.size(), 10u);
    ASSERT_GE(g_nLargestAllocation.load(), (size_t)CWTKRegistry::kMaxBinaryBytes);  // the count sees allocations

    auto readAll = [&](const char* pszName) {
        CWTKRegistryHolder holder;
        CWTKRegistry& r = holder.Create(FALSE, TRUE);
        r.Open(kKeyPath);
        CObList list;
        BOOL bList = r.Read(pszName, list, RUNTIME_CLASS(CStringArray));
        while (!list.IsEmpty())
            delete list.RemoveHead();
        CObject* pObject = nullptr;
        if (r.Read(pszName, pObject, RUNTIME_CLASS(CStringArray)))
            delete pObject;
        CStringArray stringArray;
        CStringList stringList;
        CWordArray words;
        CDWordArray dwords;
        CRect rect;
        r.Read(pszName, stringArray);
        r.Read(pszName, stringList);
        r.Read(pszName, words);
        r.Read(pszName, dwords);
        r.Read(pszName, rect);
        return bList;
    };
    for (size_t nLength = 0; nLength < sound.size(); ++nLength) {
        SetRaw("Cut", REG_BINARY, sound.substr(0, nLength));
        g_nLargestAllocation = 0;
        EXPECT_FALSE(readAll("Cut")) << "prefix of " << nLength << " bytes";
        EXPECT_LT(g_nLargestAllocation.load(), (size_t)64 * 1024) << nLength;
    }
    unsigned nSeed = 12345;
    for (int nRound = 0; nRound < 200; ++nRound) {
        std::string noise(1 + nRound % 40, '\0');
        for (char& ch : noise) {
            nSeed = nSeed * 1103515245u + 12345u;
            ch = (char)(nSeed >> 16);
        }
        SetRaw("Noise", REG_BINARY, noise);
        g_nLargestAllocation = 0;
        readAll("Noise");
        EXPECT_LT(g_nLargestAllocation.load(), (size_t)64 * 1024) << "round " << nRound;
    }
}

}  // namespace
