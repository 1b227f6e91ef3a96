// The data of a drag: what a data source offers through its IDataObject and what a data
// object on the receiving side makes of it, including data objects that misbehave.
#include "OleTestSupport.h"
#include "core/File.h"
#include <memory>

namespace {

class DataTransferTest : public OleTest {
protected:
    COleDataSource m_source;
    COleDataObject m_data;

    void SetUp() override
    {
        OleTest::SetUp();
        m_data.Attach(m_source.GetDataObject(), FALSE);
    }
};

std::string GlobalDataOf(COleDataObject& data, CLIPFORMAT cf)
{
    HGLOBAL hGlobal = data.GetGlobalData(cf);
    if (!hGlobal)
        return "(none)";
    std::string bytes = BlockBytes(hGlobal);
    ::GlobalFree(hGlobal);
    return bytes;
}

std::string FileDataOf(COleDataObject& data, CLIPFORMAT cf)
{
    std::unique_ptr<CFile> pFile(data.GetFileData(cf));
    if (!pFile)
        return "(none)";
    std::string bytes(static_cast<size_t>(pFile->GetLength()) + 16, '\0');
    bytes.resize(pFile->Read(&bytes[0], static_cast<UINT>(bytes.size())));
    return bytes;
}

TEST_F(DataTransferTest, SourceAnswersOnlyForItsBlocksAsGlobalMemory)
{
    m_source.CacheGlobalData(PayloadFormat(), MakeBlock("abc"));
    struct Row {
        const char* name;
        CLIPFORMAT cf;
        DWORD aspect;
        LONG lindex;
        DWORD tymed;
        HRESULT expected;
    } rows[] = {
        {"global memory", PayloadFormat(), DVASPECT_CONTENT, -1, TYMED_HGLOBAL, S_OK},
        {"any of several media", PayloadFormat(), DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM, S_OK},
        {"another medium", PayloadFormat(), DVASPECT_CONTENT, -1, TYMED_ISTREAM, DV_E_TYMED},
        {"another format", CF_TEXT, DVASPECT_CONTENT, -1, TYMED_HGLOBAL, DV_E_FORMATETC},
        {"another aspect", PayloadFormat(), DVASPECT_ICON, -1, TYMED_HGLOBAL, DV_E_DVASPECT},
        {"a page index", PayloadFormat(), DVASPECT_CONTENT, 0, TYMED_HGLOBAL, DV_E_LINDEX},
    };
    IDataObject* pDataObject = m_source.GetDataObject();
    for (const Row& row : rows) {
        FORMATETC formatEtc = {row.cf, nullptr, row.aspect, row.lindex, row.tymed};
        EXPECT_EQ(row.expected, pDataObject->QueryGetData(&formatEtc)) << row.name;
        STGMEDIUM medium = {};
        EXPECT_EQ(row.expected, pDataObject->GetData(&formatEtc, &medium)) << row.name;
        if (row.expected == S_OK) {
            EXPECT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), medium.tymed) << row.name;
            EXPECT_EQ("abc", BlockBytes(medium.hGlobal)) << row.name;
            EXPECT_EQ(nullptr, medium.pUnkForRelease) << row.name;
        }
        ::ReleaseStgMedium(&medium);
    }
}

TEST_F(DataTransferTest, ReceiverGetsIntactCopiesAsOftenAsItAsks)
{
    m_source.CacheGlobalData(PayloadFormat(), MakePayload("button"));
    EXPECT_TRUE(m_data.IsDataAvailable(PayloadFormat()));
    EXPECT_FALSE(m_data.IsDataAvailable(CF_TEXT));
    EXPECT_EQ("(none)", GlobalDataOf(m_data, CF_TEXT));
    EXPECT_EQ("(none)", FileDataOf(m_data, CF_TEXT));
    for (int nTime = 0; nTime < 2; nTime++) {
        std::string text;
        EXPECT_TRUE(ReadPayload(&m_data, &text)) << "time " << nTime;
        EXPECT_EQ("button", text) << "time " << nTime;
        EXPECT_EQ(std::string("\6\0\0\0button", 10), FileDataOf(m_data, PayloadFormat())) << "time " << nTime;
    }
}

TEST_F(DataTransferTest, TruncatedBlockIsReadAtItsOwnSizeOnly)
{
    m_source.CacheGlobalData(PayloadFormat(), MakeTruncatedPayload("a longer button text", 7));
    const std::string expected("\x14\0\0\0a l", 7);
    EXPECT_EQ(expected, GlobalDataOf(m_data, PayloadFormat()));
    EXPECT_EQ(expected, FileDataOf(m_data, PayloadFormat()));
    std::string text;
    EXPECT_FALSE(ReadPayload(&m_data, &text));
}

TEST_F(DataTransferTest, CachingAgainReplacesAndEmptyingOffersNothing)
{
    m_source.CacheGlobalData(PayloadFormat(), MakeBlock("first"));
    m_source.CacheGlobalData(PayloadFormat(), MakeBlock("second"));
    m_source.CacheGlobalData(CF_TEXT, MakeBlock("text"));
    EXPECT_EQ("second", GlobalDataOf(m_data, PayloadFormat()));

    IEnumFORMATETC* pEnum = nullptr;
    ASSERT_EQ(S_OK, m_source.GetDataObject()->EnumFormatEtc(DATADIR_GET, &pEnum));
    FORMATETC formats[4] = {};
    ULONG nFetched = 0;
    pEnum->Next(4, formats, &nFetched);
    pEnum->Release();
    ASSERT_EQ(2u, nFetched);
    EXPECT_EQ(PayloadFormat(), formats[0].cfFormat);
    EXPECT_EQ(CF_TEXT, formats[1].cfFormat);
    EXPECT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), formats[1].tymed);

    m_source.Empty();
    EXPECT_FALSE(m_data.IsDataAvailable(PayloadFormat()));
    EXPECT_EQ("(none)", GlobalDataOf(m_data, PayloadFormat()));
}

// A foreign data object that answers every request its own way.
class CHostileDataObject : public IDataObject {
public:
    enum Answer { wrongMedium, emptyBlock, failure, goodBlock } m_answer = goodBlock;

    STDMETHODIMP QueryInterface(REFIID, void** ppv) override
    {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetData(FORMATETC*, STGMEDIUM* pMedium) override
    {
        *pMedium = STGMEDIUM {};
        switch (m_answer) {
        case wrongMedium:
            pMedium->tymed = TYMED_ISTREAM;
            return ::CreateStreamOnHGlobal(nullptr, TRUE, &pMedium->pstm);
        case emptyBlock:
            pMedium->tymed = TYMED_HGLOBAL;
            pMedium->hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, 0);
            return S_OK;
        case failure:
            return E_FAIL;
        case goodBlock:
            pMedium->tymed = TYMED_HGLOBAL;
            pMedium->hGlobal = MakeBlock("fine");
            return S_OK;
        }
        return E_FAIL;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC*) override { return m_answer == failure ? DV_E_FORMATETC : S_OK; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

TEST_F(DataTransferTest, ForeignDataObjectsAnswersAreChecked)
{
    struct Row {
        const char* name;
        CHostileDataObject::Answer answer;
        const char* expected;
    } rows[] = {
        {"a stream where global memory was asked for", CHostileDataObject::wrongMedium, "(none)"},
        {"an empty block", CHostileDataObject::emptyBlock, "(none)"},
        {"a failure", CHostileDataObject::failure, "(none)"},
        {"a good block", CHostileDataObject::goodBlock, "fine"},
    };
    CHostileDataObject foreign;
    COleDataObject data;
    data.Attach(&foreign, FALSE);
    for (const Row& row : rows) {
        foreign.m_answer = row.answer;
        EXPECT_EQ(row.expected, GlobalDataOf(data, PayloadFormat())) << row.name;
        EXPECT_EQ(row.expected, FileDataOf(data, PayloadFormat())) << row.name;
    }
}

TEST(DataObjectTest, WithoutDataObjectNothingIsAvailable)
{
    COleDataObject data;
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    EXPECT_EQ(nullptr, data.GetGlobalData(CF_TEXT));
    EXPECT_EQ(nullptr, data.GetFileData(CF_TEXT));
}

}  // namespace
