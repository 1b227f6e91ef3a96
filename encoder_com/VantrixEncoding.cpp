#include "VantrixEncoding.h"

#include "Code39.h"
#include "EncoderConstants.h"

#include <cstring>

namespace {
bool IsLineBlank(char c)
{
    return c == ' ' || c == '\n' || c == '\r';
}

bool IsPlainSymbol(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || (c != '\0' && std::strchr("$%+-./", c) != nullptr);
}
}  // namespace

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

std::string CVantrixEncoding::FullAscii(const std::string& input)
{
    std::string form;
    CCode39::ToFullAscii(input, form);
    return form;
}
