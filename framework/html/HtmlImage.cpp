#include "html/HtmlImage.h"
#include "html/HtmlConstants.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kHimetricPerInch = 2540;

// Owns the global memory until a stream takes it over.
class CGlobalBytes {
public:
    explicit CGlobalBytes(const std::string& bytes)
    {
        m_handle = GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1);
        if (void* p = m_handle ? GlobalLock(m_handle) : nullptr) {
            std::memcpy(p, bytes.data(), bytes.size());
            GlobalUnlock(m_handle);
        }
    }
    ~CGlobalBytes()
    {
        if (m_handle)
            GlobalFree(m_handle);
    }
    HGLOBAL Release()
    {
        HGLOBAL h = m_handle;
        m_handle = nullptr;
        return h;
    }
    HGLOBAL Get() const { return m_handle; }

private:
    HGLOBAL m_handle = nullptr;
};

int HimetricToPixels(long himetric)
{
    long pixels = MulDiv(int(himetric), HtmlConst::kLayoutDpi, kHimetricPerInch);
    return int(std::clamp<long>(pixels, 1, HtmlConst::kMaxImageSide));
}

}  // namespace

CHtmlImage::~CHtmlImage()
{
    if (m_picture)
        m_picture->Release();
}

bool CHtmlImage::Decode(const std::string& bytes)
{
    if (m_picture || bytes.empty() || bytes.size() > HtmlConst::kMaxResourceBytes)
        return false;
    CGlobalBytes global(bytes);
    if (!global.Get())
        return false;
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(global.Get(), TRUE, &stream)) || !stream)
        return false;
    global.Release();  // the stream frees it now
    IPicture* picture = nullptr;
    HRESULT hr = OleLoadPicture(stream, LONG(bytes.size()), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(hr) || !picture)
        return false;
    short type = PICTYPE_NONE;
    if (FAILED(picture->get_Type(&type)) || type == PICTYPE_NONE || type == PICTYPE_UNINITIALIZED ||
        FAILED(picture->get_Width(&m_width)) || FAILED(picture->get_Height(&m_height)) || m_width <= 0 ||
        m_height <= 0) {
        picture->Release();
        return false;
    }
    m_picture = picture;
    m_pixels.cx = HimetricToPixels(m_width);
    m_pixels.cy = HimetricToPixels(m_height);
    return true;
}

void CHtmlImage::Draw(HDC dc, const RECT& rect) const
{
    if (!m_picture)
        return;
    m_picture->Render(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, m_height, m_width,
                      -m_height, nullptr);
}
