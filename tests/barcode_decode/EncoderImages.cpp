// Renders what "Vantrix.Encoder" returns for seeded random values in the Code 39 test font
// and writes one image per value, with a manifest of the messages a reader must decode:
//   encoder_barcode_images OUTPUT_FOLDER FONT_FOLDER
// Plain values go through Vantrix, Full ASCII values through VantrixExt; some get the check
// character from CalcCheckSum. check_decoded.py reads the images back with a barcode reader.
#include "Canvas.h"
#include "EncoderClient.h"
#include "ImageProgram.h"
#include "Manifest.h"
#include "TestFonts.h"

#include <cctype>
#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr unsigned kSeed = 20240131;
constexpr int kPlainValues = 150;
constexpr int kFullAsciiValues = 150;
constexpr int kMaxPlainLength = 20;
constexpr int kMaxFullAsciiKeys = 10;
// A narrow module of 2 pixels: one module is a sixteenth of the em.
constexpr int kEmPixels = 32;
// More than the ten narrow modules of quiet zone a reader wants on either side.
constexpr int kMargin = 48;
const char kFace[] = "TolvekVantrixM";

const char kPlainKeys[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-. $/+%";
const char kStarts[] = "*|[#({";
const char kStops[] = "*|]#)}";

// The two-letter names of the tokens for the ASCII codes 0 to 31.
const char* const kControlNames[32] = {"NU", "SH", "SX", "EX", "ET", "EQ", "AK", "BL", "BS", "HT", "LF",
                                       "VT", "FF", "CR", "SO", "SI", "DL", "D1", "D2", "D3", "D4", "NK",
                                       "SY", "EB", "CN", "EM", "SB", "ES", "FS", "GS", "RS", "US"};

struct Value {
    std::string input;     // what the macro passes
    std::string expected;  // what a reader must decode
};

Value RandomPlainValue(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(1, kMaxPlainLength);
    std::uniform_int_distribution<int> key(0, sizeof kPlainKeys - 2);
    Value value;
    for (int n = length(random); n > 0; --n) {
        const char c = kPlainKeys[key(random)];
        value.input += c;
        value.expected += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return value;
}

// The key a user writes for an ASCII code: the character itself where it can be typed,
// else its token; a space goes either way.
std::string FullAsciiKey(int code, bool spaceAsToken)
{
    if (code < 32)
        return std::string("<") + kControlNames[code] + ">";
    if (code == ' ')
        return spaceAsToken ? "<SP>" : " ";
    if (code == '<')
        return "< <>";
    if (code == '>')
        return "< >>";
    if (code == 127)
        return "<DE>";
    return std::string(1, static_cast<char>(code));
}

Value RandomFullAsciiValue(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(1, kMaxFullAsciiKeys);
    std::uniform_int_distribution<int> code(0, 127);
    std::bernoulli_distribution coin;
    Value value;
    for (int n = length(random); n > 0; --n) {
        const int c = code(random);
        value.input += FullAsciiKey(c, coin(random));
        value.expected += static_cast<char>(c);
    }
    return value;
}

bool Render(const std::string& text, HFONT font, const std::string& path)
{
    SIZE extent = {};
    {
        Canvas probe(1, 1);
        HGDIOBJ old = SelectObject(probe.Handle(), font);
        GetTextExtentPoint32A(probe.Handle(), text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(probe.Handle(), old);
    }
    Canvas canvas(extent.cx + 2 * kMargin, extent.cy + 2 * kMargin);
    HGDIOBJ old = SelectObject(canvas.Handle(), font);
    SetTextColor(canvas.Handle(), kBlack);
    SetBkMode(canvas.Handle(), TRANSPARENT);
    TextOutA(canvas.Handle(), kMargin, kMargin, text.c_str(), static_cast<int>(text.size()));
    SelectObject(canvas.Handle(), old);
    // False also when the canvas has no bitmap.
    return canvas.WriteBmp(path, true);
}

class ImageWriter {
public:
    ImageWriter(const std::string& folder, HFONT font, Manifest& manifest)
        : m_folder(folder), m_font(font), m_manifest(manifest)
    {}

    bool Write(const char* prefix, int index, const std::string& text, bool fullAscii, bool check, const Value& value)
    {
        char name[64];
        std::snprintf(name, sizeof name, "%s-%03d.bmp", prefix, index);
        if (!Render(text, m_font, m_folder + "\\" + name)) {
            std::printf("could not write %s\n", name);
            return false;
        }
        m_manifest.Add(name, fullAscii, check, value.expected,
                       "input \"" + value.input + "\" rendered \"" + text + "\"");
        return true;
    }

private:
    std::string m_folder;
    HFONT m_font;
    Manifest& m_manifest;
};

// Puts the check character that CalcCheckSum gives for text before its stop character.
bool AddCheckCharacter(EncoderClient& encoder, std::string& text)
{
    std::string check;
    if (FAILED(encoder.CallStringMethod(L"CalcCheckSum", text, check)) || check.size() != 1)
        return false;
    const char stop = text.back();
    text.pop_back();
    text += check;
    text += stop;
    return true;
}

int Run(const std::string& outputFolder, const std::string& fontFolder)
{
    EncoderClient encoder;
    if (!StartImageProgram(fontFolder, encoder))
        return 1;
    HFONT font = CreateTestFont(kFace, kEmPixels);
    if (font == nullptr) {
        std::printf("the system substitutes another face for %s\n", kFace);
        return 1;
    }

    Manifest manifest(outputFolder + "\\manifest.txt");
    ImageWriter writer(outputFolder, font, manifest);
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> frame(-1, 5);  // -1: unframed, Vantrix adds "[" "]"
    std::uniform_int_distribution<int> anyPair(0, 5);
    std::bernoulli_distribution withCheck;
    int failures = 0;

    for (int i = 0; i < kPlainValues; ++i) {
        const Value value = RandomPlainValue(random);
        const int pair = frame(random);
        const std::string input = pair < 0 ? value.input : std::string(1, kStarts[pair]) + value.input + kStops[pair];
        std::string text;
        const bool check = withCheck(random);
        if (FAILED(encoder.CallStringMethod(L"Vantrix", input, text)) || text == "error" ||
            (check && !AddCheckCharacter(encoder, text))) {
            std::printf("plain value %d: Vantrix(\"%s\") gave \"%s\"\n", i, input.c_str(), text.c_str());
            ++failures;
            continue;
        }
        if (!writer.Write("plain", i, text, false, check, {input, value.expected}))
            ++failures;
    }

    for (int i = 0; i < kFullAsciiValues; ++i) {
        const Value value = RandomFullAsciiValue(random);
        std::string form;
        if (FAILED(encoder.CallStringMethod(L"VantrixExt", value.input, form)) || form.empty()) {
            std::printf("Full ASCII value %d: VantrixExt failed for \"%s\"\n", i, value.input.c_str());
            ++failures;
            continue;
        }
        // VantrixExt leaves the start and stop characters to the caller.
        const int pair = anyPair(random);
        std::string text = std::string(1, kStarts[pair]) + form + kStops[pair];
        const bool check = withCheck(random);
        if (check && !AddCheckCharacter(encoder, text)) {
            std::printf("Full ASCII value %d: CalcCheckSum failed for \"%s\"\n", i, text.c_str());
            ++failures;
            continue;
        }
        if (!writer.Write("ascii", i, text, true, check, value))
            ++failures;
    }

    DeleteObject(font);
    if (!manifest.Close()) {
        std::printf("could not write the manifest\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    return ImageProgramMain(argc, argv, "encoder_barcode_images", Run);
}
