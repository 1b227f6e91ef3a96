#include "ReferenceFullAscii.h"

#include "Code39.h"

#include <cstring>

CReferenceFullAscii::CReferenceFullAscii()
{
    std::size_t count = 0;
    const CCode39::FullAsciiEntry* entries = CCode39::FullAsciiTable(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (std::strlen(entries[i].key) == 1)
            m_single[static_cast<unsigned char>(entries[i].key[0])] = entries[i].form;
        else
            m_tokens[entries[i].key] = entries[i].form;
    }
}

bool CReferenceFullAscii::Convert(const std::string& data, std::string& form) const
{
    form.clear();
    std::size_t pos = 0;
    while (pos < data.size()) {
        const char c = data[pos];
        if (c == '>' || (c == '<' && (data.size() - pos < 4 || data[pos + 3] != '>'))) {
            form.clear();
            return false;
        }
        if (c == '<') {
            const auto found = m_tokens.find(data.substr(pos, 4));
            if (found != m_tokens.end())
                form += found->second;
            pos += 4;
        } else {
            form += m_single[static_cast<unsigned char>(c)];
            ++pos;
        }
    }
    return true;
}
