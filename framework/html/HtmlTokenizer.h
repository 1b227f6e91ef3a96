// Splits HTML bytes into text, start tags and end tags, tolerating any input.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using CHtmlAttributes = std::vector<std::pair<std::string, std::string>>;

struct CHtmlToken {
    enum Kind { Text, StartTag, EndTag, End };
    Kind kind = End;
    std::string name;  // lower case, for tags
    std::string text;  // entities decoded, for text
    CHtmlAttributes attributes;
    bool selfClosing = false;
};

class CHtmlTokenizer {
public:
    explicit CHtmlTokenizer(std::string_view source) : m_src(source) {}

    // Fills the next token; returns false (kind End) at the end of the input.
    bool Next(CHtmlToken& token);

    // Decodes character references in ISO 8859-1 text; unknown ones stay as written.
    static std::string DecodeEntities(std::string_view text);

private:
    bool ReadTag(CHtmlToken& token);
    void ReadAttributes(CHtmlToken& token);
    void SkipComment();
    void ReadRawText(CHtmlToken& token);
    bool AtEnd() const { return m_pos >= m_src.size(); }

    std::string_view m_src;
    std::size_t m_pos = 0;
    std::string m_rawEnd;  // element whose content is raw text (style, script, title)
};
