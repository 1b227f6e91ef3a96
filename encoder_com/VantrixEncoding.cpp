#include "VantrixEncoding.h"

#include "Code39.h"
#include "EncoderConstants.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
bool IsLineBlank(char c)
{
    return c == ' ' || c == '\n' || c == '\r';
}

bool IsPlainSymbol(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || (c != '\0' && std::strchr("$%+-./", c) != nullptr);
}

// The Full ASCII table arranged for lookup, built once from the Code 39 rules: a form for
// every byte and the control tokens sorted by their two inner characters. Every character
// then costs one lookup, whatever its class; searching the table per character made
// punctuation cost tens of times what letters cost.
class CFullAsciiForms
{
public:
    struct Form
    {
        char text[2] = {};
        unsigned char length = 0;  // 0: no entry, the key is dropped
    };

    static const CFullAsciiForms& Get()
    {
        static const CFullAsciiForms forms;
        return forms;
    }

    const Form& Single(char c) const { return m_single[static_cast<unsigned char>(c)]; }

    // A token "<XY>" by its inner characters.
    const Form& Token(char first, char second) const
    {
        const std::uint16_t key = TokenKey(first, second);
        const auto found = std::lower_bound(m_tokens.begin(), m_tokens.end(), key,
                                            [](const TokenEntry& entry, std::uint16_t k) { return entry.key < k; });
        return found != m_tokens.end() && found->key == key ? found->form : m_none;
    }

private:
    struct TokenEntry
    {
        std::uint16_t key;
        Form form;
    };

    CFullAsciiForms()
    {
        std::size_t count = 0;
        const CCode39::FullAsciiEntry* entries = CCode39::FullAsciiTable(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t keyLength = std::strlen(entries[i].key);
            Form form;
            form.length = static_cast<unsigned char>(std::min(std::strlen(entries[i].form), sizeof form.text));
            std::memcpy(form.text, entries[i].form, form.length);
            if (keyLength == 1)
                m_single[static_cast<unsigned char>(entries[i].key[0])] = form;
            else if (keyLength == CCode39::kTokenLength)
                m_tokens.push_back({TokenKey(entries[i].key[1], entries[i].key[2]), form});
        }
        std::sort(m_tokens.begin(), m_tokens.end(),
                  [](const TokenEntry& a, const TokenEntry& b) { return a.key < b.key; });
    }

    static std::uint16_t TokenKey(char first, char second)
    {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(first) << 8 | static_cast<unsigned char>(second));
    }

    Form m_single[256];
    std::vector<TokenEntry> m_tokens;
    Form m_none;
};
}

// Framed: the first character is a start character and the last one its
// stop character; a lone "*", "#" or "|" is its own start and stop.
bool CVantrixEncoding::IsFramed(const std::string& input)
{
    if (input.empty() || input[0] == '\0')
        return false;
    const char* start = std::strchr(CCode39::kStartChars, input[0]);
    return start != nullptr && input.back() == CCode39::kStopChars[start - CCode39::kStartChars];
}

std::string CVantrixEncoding::DataOf(const std::string& input)
{
    if (!IsFramed(input))
        return input;
    return input.size() < 2 ? std::string() : input.substr(1, input.size() - 2);
}

std::string CVantrixEncoding::CheckSum(const std::string& input)
{
    std::string trimmed = input;
    while (!trimmed.empty() && IsLineBlank(trimmed.back()))
        trimmed.pop_back();
    const std::string data = DataOf(trimmed);
    if (data.empty())
        return std::string();
    int sum = 0;
    for (char c : data) {
        const int value = CCode39::CharValue(c);
        if (value == CCode39::kNoValue)
            return std::string();
        sum += value;
    }
    return std::string(1, CCode39::CheckCharacter(sum));
}

std::string CVantrixEncoding::Plain(const std::string& input)
{
    const std::string data = DataOf(input);
    if (data.empty())
        return kPlainErrorText;
    std::string converted;
    converted.reserve(data.size() + 2);
    for (char c : data) {
        if (c >= 'a' && c <= 'z')
            converted += static_cast<char>(c - 'a' + 'A');
        else if (c == ' ')
            converted += CCode39::kSpaceSymbol;
        else if (IsPlainSymbol(c))
            converted += c;
        else
            return kPlainErrorText;
    }
    if (IsFramed(input))
        return input.front() + converted + input.back();
    return kUnframedStart + converted + kUnframedStop;
}

// The same conversion as CCode39::ToFullAscii, written into a buffer of the longest result:
// no form is longer than what it replaces takes twice, so both characters of a form can be
// stored whatever its length.
std::string CVantrixEncoding::FullAscii(const std::string& input)
{
    const CFullAsciiForms& forms = CFullAsciiForms::Get();
    std::string form(input.size() * 2, '\0');
    char* out = form.data();
    std::size_t pos = 0;
    while (pos < input.size()) {
        const CFullAsciiForms::Form* entry = nullptr;
        if (input[pos] == '<') {
            if (input.size() - pos < CCode39::kTokenLength || input[pos + CCode39::kTokenLength - 1] != '>')
                return std::string();
            entry = &forms.Token(input[pos + 1], input[pos + 2]);
            pos += CCode39::kTokenLength;
        } else if (input[pos] == '>') {
            return std::string();
        } else {
            entry = &forms.Single(input[pos]);
            ++pos;
        }
        out[0] = entry->text[0];
        out[1] = entry->text[1];
        out += entry->length;
    }
    form.resize(static_cast<std::size_t>(out - form.data()));
    return form;
}
