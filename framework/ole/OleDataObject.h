// COleDataObject: the receiving side of a drag: reads the data that another party's
// data object offers. Everything it reads is untrusted: blocks are taken at the size the
// system reports for them (GlobalSize) and never read past it.
#pragma once
#include <windows.h>
#include <ole2.h>

class CFile;

class COleDataObject {
public:
    COleDataObject() = default;
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Reads from lpDataObject from now on; with bAutoRelease the reference is released
    // when this object lets go of it (Release, the next Attach, destruction).
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    // Lets go of the data object without releasing it.
    LPDATAOBJECT Detach();
    void Release();

    // TRUE when the data object offers cfFormat in any medium.
    BOOL IsDataAvailable(CLIPFORMAT cfFormat);
    // A copy of the data as global memory, which the caller frees (GlobalFree); its
    // GlobalSize is the size of the block offered. Null when the format is not offered
    // as global memory or the block is empty.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat);
    // A file positioned at the start of a copy of the data, which the caller deletes;
    // null as for GetGlobalData.
    CFile* GetFileData(CLIPFORMAT cfFormat);

private:
    // The data object's global memory for cfFormat in *pMedium (the caller releases the
    // medium); FALSE when there is none.
    BOOL GetGlobalMedium(CLIPFORMAT cfFormat, STGMEDIUM* pMedium);

    LPDATAOBJECT m_lpDataObject = nullptr;
    BOOL m_bAutoRelease = TRUE;
};
