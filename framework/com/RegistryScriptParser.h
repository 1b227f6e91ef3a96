#pragma once

// Parser of registry scripts, the text form in which a COM server describes
// the keys it registers:
//
//   HKCR
//   {
//       Some.Name = s 'text'
//       {
//           val Named = d '1'
//           NoRemove Parent { ForceRemove Child = s '%MODULE%' }
//       }
//   }
//
// Roots HKCR, HKCU, HKLM, HKU (or their long names); key modifiers NoRemove,
// ForceRemove and Delete; values s (string), d (number) and b (hex bytes);
// names bare or quoted ('it''s' holds one quote); %NAME% is replaced by the
// caller's text and %% stands for one percent sign.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct RegistryValue {
    std::string name;  // empty: the key's default value
    DWORD type = REG_SZ;
    std::vector<BYTE> data;
};

struct RegistryKeyNode {
    enum Flag { Normal, NoRemove, ForceRemove, Delete };

    Flag flag = Normal;
    std::string name;
    bool hasDefault = false;
    RegistryValue defaultValue;
    std::vector<RegistryValue> values;
    std::vector<RegistryKeyNode> children;
};

struct RegistryRootNode {
    HKEY root = nullptr;
    std::vector<RegistryKeyNode> keys;
};

class CRegistryScriptParser {
public:
    explicit CRegistryScriptParser(const std::map<std::string, std::string>& replacements);

    // False on any syntax error; roots then holds nothing useful.
    bool Parse(const std::string& script, std::vector<RegistryRootNode>& roots);

private:
    enum TokenKind { End, OpenBrace, CloseBrace, Equals, Word, Quoted, Invalid };
    struct Token {
        TokenKind kind = End;
        std::string text;
    };

    Token Next();
    const Token& Peek();
    Token Scan();
    bool Expand(const std::string& raw, std::string& text) const;

    bool ParseKeys(std::vector<RegistryKeyNode>& keys, RegistryKeyNode* owner);
    bool ParseKey(const Token& first, RegistryKeyNode& key);
    bool ParseValue(RegistryValue& value);

    const std::map<std::string, std::string>& m_replacements;
    std::string m_script;
    std::size_t m_pos = 0;
    bool m_peeked = false;
    Token m_peek;
};
