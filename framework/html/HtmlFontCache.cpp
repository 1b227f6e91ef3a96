#include "html/HtmlFontCache.h"
#include "html/HtmlAscii.h"
#include "html/HtmlConstants.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace {

constexpr std::size_t kMaxFonts = 512;

int CALLBACK OnFontFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

const char* GenericFace(const std::string& lowerName)
{
    if (lowerName == "sans-serif")
        return HtmlConst::kSansSerifFace;
    if (lowerName == "serif")
        return HtmlConst::kDefaultFace;
    if (lowerName == "monospace")
        return HtmlConst::kMonospaceFace;
    return nullptr;
}

// When a standard face is missing, the font mapper still finds one of its kind.
BYTE PitchAndFamily(const std::string& face)
{
    if (face == HtmlConst::kMonospaceFace)
        return FIXED_PITCH | FF_MODERN;
    if (face == HtmlConst::kSansSerifFace)
        return VARIABLE_PITCH | FF_SWISS;
    if (face == HtmlConst::kDefaultFace)
        return VARIABLE_PITCH | FF_ROMAN;
    return DEFAULT_PITCH | FF_DONTCARE;
}

}  // namespace

bool CHtmlFontKey::operator<(const CHtmlFontKey& other) const
{
    return std::tie(face, height, bold, italic, underline) <
        std::tie(other.face, other.height, other.bold, other.italic, other.underline);
}

CHtmlFontCache::CHtmlFontCache()
{
    m_dc = CreateCompatibleDC(nullptr);
}

CHtmlFontCache::~CHtmlFontCache()
{
    if (m_dc) {
        SelectObject(m_dc, GetStockObject(SYSTEM_FONT));
        DeleteDC(m_dc);
    }
    for (Entry& e : m_fonts)
        DeleteObject(e.font);
}

int CHtmlFontCache::Get(const CHtmlFontKey& requested)
{
    CHtmlFontKey key = requested;
    key.height = std::clamp(key.height, 1, 1000);
    auto found = m_index.find(key);
    if (found != m_index.end())
        return found->second;
    if (m_fonts.size() >= kMaxFonts)
        return int(m_fonts.size()) - 1;
    LOGFONTA lf {};
    lf.lfHeight = -key.height;
    lf.lfWeight = key.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = key.italic;
    lf.lfUnderline = key.underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = PitchAndFamily(key.face);
    lstrcpynA(lf.lfFaceName, key.face.c_str(), LF_FACESIZE);
    Entry entry;
    entry.key = key;
    entry.font = CreateFontIndirectA(&lf);
    if (!entry.font)
        entry.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ old = SelectObject(m_dc, entry.font);
    TEXTMETRICA tm {};
    GetTextMetricsA(m_dc, &tm);
    SIZE space {0, 0};
    GetTextExtentPoint32A(m_dc, " ", 1, &space);
    SelectObject(m_dc, old);
    m_selected = -1;
    entry.metrics.ascent = tm.tmAscent;
    entry.metrics.descent = tm.tmDescent;
    entry.metrics.spaceWidth = space.cx;
    m_fonts.push_back(entry);
    int index = int(m_fonts.size()) - 1;
    m_index[key] = index;
    return index;
}

int CHtmlFontCache::WithUnderline(int index, bool underline)
{
    CHtmlFontKey key = Key(index);
    if (key.underline == underline)
        return index;
    key.underline = underline;
    return Get(key);
}

int CHtmlFontCache::TextWidth(int index, std::string_view text)
{
    if (text.empty())
        return 0;
    if (m_selected != index) {
        SelectObject(m_dc, Font(index));
        m_selected = index;
    }
    SIZE size {0, 0};
    GetTextExtentPoint32A(m_dc, text.data(), int(std::min<std::size_t>(text.size(), 0x7FFF)), &size);
    return size.cx;
}

void CHtmlFontCache::Advances(int index, std::string_view text, std::vector<INT>& advances)
{
    advances.assign(std::min<std::size_t>(text.size(), 0x7FFF), 0);
    if (advances.empty())
        return;
    if (m_selected != index) {
        SelectObject(m_dc, Font(index));
        m_selected = index;
    }
    std::vector<INT> ends(advances.size(), 0);
    SIZE size {0, 0};
    GetTextExtentExPointA(m_dc, text.data(), int(ends.size()), 0, nullptr, ends.data(), &size);
    for (std::size_t i = 0; i < ends.size(); ++i)
        advances[i] = ends[i] - (i ? ends[i - 1] : 0);
}

bool CHtmlFontCache::IsInstalled(const std::string& face)
{
    std::string key = HtmlLowerCopy(face);
    auto found = m_installed.find(key);
    if (found != m_installed.end())
        return found->second;
    LOGFONTA lf {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    bool installed = false;
    if (!face.empty() && face.size() < LF_FACESIZE)
        EnumFontFamiliesExA(m_dc, &lf, OnFontFamily, reinterpret_cast<LPARAM>(&installed), 0);
    m_installed[key] = installed;
    return installed;
}

std::string CHtmlFontCache::FirstInstalled(const std::vector<std::string>& families)
{
    for (const std::string& family : families) {
        if (const char* generic = GenericFace(HtmlLowerCopy(family)))
            return generic;
        if (IsInstalled(family))
            return family;
    }
    return std::string();
}
