#include "Manifest.h"

namespace {

std::string Hex(const std::string& text)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 0xF];
    }
    return hex;
}

// The note is for people: anything that would break the row shows as an escape.
std::string Printable(const std::string& text)
{
    std::string shown;
    char escape[8];
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            shown += escape;
        }
    }
    return shown;
}

}  // namespace

Manifest::Manifest(const std::string& path)
{
    m_file = std::fopen(path.c_str(), "w");
}

Manifest::~Manifest()
{
    Close();
}

void Manifest::Add(const std::string& image, bool fullAscii, bool checkCharacter, const std::string& expected,
                   const std::string& note)
{
    if (m_file == nullptr)
        return;
    const char* kind =
        fullAscii ? (checkCharacter ? "ascii+check" : "ascii") : (checkCharacter ? "plain+check" : "plain");
    if (std::fprintf(m_file, "%s\t%s\t%s\t%s\n", image.c_str(), kind, Hex(expected).c_str(), Printable(note).c_str()) <
        0)
        m_failed = true;
}

bool Manifest::Close()
{
    if (m_file != nullptr) {
        if (std::fclose(m_file) != 0)
            m_failed = true;
        m_file = nullptr;
    }
    return !m_failed;
}
