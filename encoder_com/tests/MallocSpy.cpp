#include "MallocSpy.h"

#include <algorithm>

namespace {
// A string's block starts a few bytes before the string (its length prefix).
const std::ptrdiff_t kLargestPrefix = 16;
}  // namespace

CMallocSpy::CMallocSpy()
{
    m_registered = SUCCEEDED(CoRegisterMallocSpy(this));
}

CMallocSpy::~CMallocSpy()
{
    if (m_registered)
        CoRevokeMallocSpy();
}

bool CMallocSpy::WasFreed(const void* string) const
{
    const char* text = static_cast<const char*>(string);
    return std::any_of(m_freed.begin(), m_freed.end(),
                       [text](const char* block) { return text - block >= 0 && text - block <= kLargestPrefix; });
}

STDMETHODIMP CMallocSpy::QueryInterface(REFIID riid, void** object)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IMallocSpy)) {
        *object = static_cast<IMallocSpy*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(void*) CMallocSpy::PreFree(void* request, BOOL)
{
    if (request != nullptr)
        m_freed.push_back(static_cast<const char*>(request));
    return request;
}

STDMETHODIMP_(SIZE_T) CMallocSpy::PreRealloc(void* request, SIZE_T size, void** newRequest, BOOL)
{
    *newRequest = request;
    return size;
}
