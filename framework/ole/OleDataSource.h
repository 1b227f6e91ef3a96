// COleDataSource: the giving side of a drag: a data object (IDataObject) over blocks of
// global memory cached under clipboard formats, and the drag that offers them.
// Constructing one calls no OLE, so it may be a static or live on the stack for one drag.
#pragma once
#include "ole/DropEffect.h"
#include "win/CmdTarget.h"
#include <vector>

class COleDropSource;

class COleDataSource : public CCmdTarget {
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource() = default;
    ~COleDataSource() override;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Offers hGlobal under cfFormat (replacing an earlier block of that format); the data
    // source owns the block from now on. Receivers get copies.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal);
    // Frees every cached block.
    void Empty();

    // Runs a drag of the cached data (OLE initialised on this thread): once pDropSource's
    // OnBeginDrag agrees (the mouse left lpRectStartDrag, in screen coordinates; null: a
    // few pixels round the cursor), the system's drag loop runs until a drop or a cancel.
    // Returns the effect the target performed, one of dwEffects, or DROPEFFECT_NONE
    // (cancelled, refused, or the drag never started). pDropSource null: a default source.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);

    // The interface receivers call (no reference added); the object's own lifetime is its
    // owner's business, references do not keep it alive.
    IDataObject* GetDataObject() { return &m_xDataObject; }

private:
    struct CacheEntry {
        CLIPFORMAT cfFormat;
        HGLOBAL hGlobal;
    };
    const CacheEntry* Find(CLIPFORMAT cfFormat) const;
    HRESULT CheckFormatEtc(const FORMATETC* pFormatEtc, const CacheEntry** ppEntry) const;
    HRESULT EnumFormats(IEnumFORMATETC** ppEnum) const;

    class XDataObject : public IDataObject {
    public:
        explicit XDataObject(COleDataSource* pOwner) : m_pOwner(pOwner) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
        STDMETHODIMP GetDataHere(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
        STDMETHODIMP QueryGetData(FORMATETC* pFormatEtc) override;
        STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* pFormatEtcIn, FORMATETC* pFormatEtcOut) override;
        STDMETHODIMP SetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium, BOOL fRelease) override;
        STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override;
        STDMETHODIMP DAdvise(FORMATETC* pFormatEtc, DWORD advf, IAdviseSink* pSink, DWORD* pdwConnection) override;
        STDMETHODIMP DUnadvise(DWORD dwConnection) override;
        STDMETHODIMP EnumDAdvise(IEnumSTATDATA** ppEnum) override;

    private:
        COleDataSource* m_pOwner;
    };
    XDataObject m_xDataObject {this};
    LONG m_nRefs = 0;
    std::vector<CacheEntry> m_cache;
};
