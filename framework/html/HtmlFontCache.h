// The fonts of laid-out pages, created once per distinct look and measured on
// a screen-compatible device context of the cache's own.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

struct CHtmlFontKey {
    std::string face;
    int height = 0;  // pixels of the em
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator<(const CHtmlFontKey& other) const;
};

struct CHtmlFontMetrics {
    int ascent = 0;
    int descent = 0;
    int spaceWidth = 0;
};

class CHtmlFontCache {
public:
    CHtmlFontCache();
    CHtmlFontCache(const CHtmlFontCache&) = delete;
    CHtmlFontCache& operator=(const CHtmlFontCache&) = delete;
    ~CHtmlFontCache();

    // The index of the font with this look, created on first use.
    int Get(const CHtmlFontKey& key);
    // The same font with or without underline.
    int WithUnderline(int index, bool underline);
    HFONT Font(int index) const { return m_fonts[std::size_t(index)].font; }
    const CHtmlFontKey& Key(int index) const { return m_fonts[std::size_t(index)].key; }
    const CHtmlFontMetrics& Metrics(int index) const { return m_fonts[std::size_t(index)].metrics; }

    int TextWidth(int index, std::string_view text);
    // The advance of each character of a run as measured here, so that painting
    // puts every glyph where the layout counted it.
    void Advances(int index, std::string_view text, std::vector<INT>& advances);

    // The first installed family of a list (generic names map to standard
    // faces); empty when none is installed.
    std::string FirstInstalled(const std::vector<std::string>& families);
    bool IsInstalled(const std::string& face);

private:
    struct Entry {
        CHtmlFontKey key;
        HFONT font = nullptr;
        CHtmlFontMetrics metrics;
    };
    HDC m_dc = nullptr;
    int m_selected = -1;
    std::vector<Entry> m_fonts;
    std::map<CHtmlFontKey, int> m_index;
    std::map<std::string, bool> m_installed;
};
