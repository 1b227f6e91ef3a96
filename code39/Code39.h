#pragma once

// Code 39 symbology rules shared by the barcode dialog and the COM encoder:
// character values, the modulo-43 check character, the start/stop pairs and
// the Full ASCII table with its four-character control tokens.
// Plain standard C++: both modules link it, whatever framework they are built on.

#include <cstddef>
#include <string>

class CCode39 {
public:
    struct FullAsciiEntry {
        const char* key;   // one character, or a token such as "<NU>"
        const char* form;  // one or two Code 39 characters
    };

    static constexpr int kModulus = 43;
    static constexpr int kNoValue = -1;
    static constexpr int kTokenLength = 4;
    static constexpr int kStartStopCount = 6;
    static constexpr int kDefaultStartStop = 4;
    static constexpr char kStartChars[] = "*|[#({";
    static constexpr char kStopChars[] = "*|]#)}";
    static constexpr char kSpaceSymbol = '_';

    // Value 0..42 of a Code 39 character; the space symbol counts in either
    // spelling ("_" or a space). kNoValue for anything else.
    static int CharValue(char c);

    // A character of plain Code 39 data: one with a value, the space included.
    static bool IsStandardChar(char c);

    // The character whose value is sum modulo 43.
    static char CheckCharacter(int sum);
    // The check character of data without its start and stop characters; a character
    // without a value adds nothing to the sum.
    static char CheckCharacterOf(const std::string& data);

    // The 129 pairs of the Full ASCII table.
    static const FullAsciiEntry* FullAsciiTable(std::size_t& count);

    // Fills a string-to-string map (anything with SetAt(key, value)) with
    // every pair of the Full ASCII table.
    template <class TMap>
    static void BuildFullAsciiTable(TMap& map)
    {
        std::size_t count = 0;
        const FullAsciiEntry* entries = FullAsciiTable(count);
        for (std::size_t i = 0; i < count; ++i)
            map.SetAt(entries[i].key, entries[i].form);
    }

    // Full ASCII form of one key (length 1 or 4), or nullptr when the key
    // has no entry.
    static const char* MapFullAsciiChar(const char* key, std::size_t length);

    // Full ASCII form of a whole data string; keys without an entry are
    // dropped. False (and form left empty) for an unclosed token or a ">"
    // outside a token.
    static bool ToFullAscii(const std::string& data, std::string& form);
};
