// Works the real barcode dialog through "Vantrix.Encoder"'s InsertBarcode, as a macro and a
// user do, for a table of cases; captures the preview once it shows the barcode in the Code 39
// test font and writes it as an image, with a manifest of the messages a reader must decode:
//   dialog_barcode_images OUTPUT_FOLDER FONT_FOLDER
// The first case also leaves a picture of the whole dialog (dialog.bmp), decoded the same way.
#include "Canvas.h"
#include "DialogConstants.h"
#include "DialogScript.h"
#include "EncoderClient.h"
#include "Files.h"
#include "ImageProgram.h"
#include "Manifest.h"
#include "Resource.h"

#include <cstdio>
#include <string>
#include <thread>

using namespace std::string_literals;

namespace {

// Point-size combo entries: "12" gives 1-pixel narrow bars, "24" 2-pixel ones.
const int kPoints12 = 9;
const int kPoints24 = 15;
const int kSizeM = 2;
const int kSizeXL = 4;

const DWORD kPreviewTimeoutMs = 10000;

// The names on the control-character buttons, in button order: a token "<NN>" of the data is
// a click on the button of that name.
const char* const kButtonNames[36] = {"NU", "SH", "SX", "EX", "ET", "EQ", "AK", "BL", "BS", "HT", "LF", "VT",
                                      "FF", "CR", "SO", "SI", "DL", "D1", "D2", "D3", "D4", "NK", "SY", "EB",
                                      "CN", "EM", "SB", "ES", "FS", "GS", "RS", "US", "SP", " <", " >", "DE"};

struct DialogCase {
    const char* name;
    const char* keys;  // typed characters; in Full ASCII mode "<NN>" is a button click
    bool fullAscii;
    bool checkCharacter;
    int startStop;  // 0 to 5: "*", "|", "[ ]", "#", "( )", "{ }"
    bool humanReadable;
    int sizeIndex;
    int pointSizeIndex;
    std::string expected;  // the message a reader must decode
};

// Each case's barcode must fit the 337-pixel preview with a quiet zone of about ten narrow
// bars on either side: at 24 points a Code 39 character is 32 pixels wide (nine fit), at 12
// points 16 (eighteen fit).
const DialogCase kCases[] = {
    {"plain", "CODE39", false, false, 4, true, kSizeM, kPoints24, "CODE39"},
    {"plain, lower case and space, check", "ab 12", false, true, 4, true, kSizeM, kPoints24, "AB 12"},
    {"plain, symbols, check", "-.$/+%", false, true, 0, false, kSizeXL, kPoints24, "-.$/+%"},
    {"plain, long at 12 points, check", "lazy dog 0123", false, true, 1, true, kSizeM, kPoints12, "LAZY DOG 0123"},
    {"start/stop *", "S0", false, true, 0, true, kSizeM, kPoints24, "S0"},
    {"start/stop |", "S1", false, true, 1, true, kSizeM, kPoints24, "S1"},
    {"start/stop [ ]", "S2", false, true, 2, true, kSizeM, kPoints24, "S2"},
    {"start/stop #", "S3", false, true, 3, true, kSizeM, kPoints24, "S3"},
    {"start/stop ( )", "S4", false, true, 4, true, kSizeM, kPoints24, "S4"},
    {"start/stop { }", "S5", false, true, 5, true, kSizeM, kPoints24, "S5"},
    {"Full ASCII, lower case", "Hello", true, false, 4, true, kSizeM, kPoints12, "Hello"},
    {"Full ASCII, lower case, check", "aZ9", true, true, 2, false, kSizeM, kPoints24, "aZ9"},
    {"Full ASCII, line end tokens, check", "A<CR><LF>b", true, true, 4, true, kSizeM, kPoints12, "A\r\nb"},
    {"Full ASCII, NUL, < and >", "<NU>< <>< >>", true, false, 0, true, kSizeM, kPoints24, "\0<>"s},
    {"Full ASCII, punctuation", "a-b.c", true, true, 5, true, kSizeM, kPoints12, "a-b.c"},
    {"Full ASCII, space and its token, DEL", "x <SP><DE>", true, true, 3, true, kSizeM, kPoints12, "x  \x7f"},
    {"Full ASCII, escape and tab", "<ES>{<HT>}~", true, false, 1, true, kSizeXL, kPoints12, "\x1b{\t}~"},
};

bool Checked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

int ButtonOfToken(const std::string& name)
{
    for (int i = 0; i < 36; ++i) {
        if (name == kButtonNames[i])
            return IDC_CHAR_BUTTON_FIRST + i;
    }
    return 0;
}

// Types the keys; in Full ASCII mode tokens are clicks on their buttons, as "<" cannot be typed.
bool EnterKeys(DialogScript& dialog, const DialogCase& c)
{
    const std::string keys = c.keys;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (c.fullAscii && keys[i] == '<') {
            const int button = i + 3 < keys.size() && keys[i + 3] == '>' ? ButtonOfToken(keys.substr(i + 1, 2)) : 0;
            if (button == 0)
                return false;
            dialog.Click(button);
            i += 3;
        } else {
            dialog.Type(std::string(1, keys[i]).c_str());
        }
    }
    return true;
}

// Waits for the preview to show its finished barcode and captures it: the fade reaches pure
// black only at its end, the background is pure white (a window not yet painted can be all
// black), and two captures in a row agree.
bool CapturePreview(HWND preview, Canvas& canvas)
{
    Canvas previous(canvas.Width(), canvas.Height());
    bool previousFinished = false;
    const DWORD start = GetTickCount();
    do {
        if (!canvas.CopyFromWindow(preview, false))
            return false;
        const bool finished = canvas.Contains(kBlack) && canvas.Contains(kWhite);
        if (finished && previousFinished && canvas.SamePixels(previous))
            return true;
        previousFinished = finished && previous.CopyFromWindow(preview, false);
        Sleep(50);
    } while (GetTickCount() - start < kPreviewTimeoutMs);
    return false;
}

struct CaseOutcome {
    std::string problem;  // empty when the images were written
    std::string encoded;  // what Insert Barcode returned
    std::string face;
};

class CaseRunner {
public:
    CaseRunner(EncoderClient& client, const std::string& folder) : m_client(client), m_folder(folder) {}

    CaseOutcome Run(const DialogCase& c, const std::string& image, bool wholeDialog)
    {
        // No settings file: every case starts from the dialog's defaults.
        DeleteFileA(ProgramFile(Dravel::kSettingsFileName).c_str());
        CaseOutcome outcome;
        std::thread driver([&] {
            DialogScript dialog;
            if (!dialog.WaitForDialog()) {
                outcome.problem = "the dialog did not open";
                return;
            }
            outcome.problem = Script(dialog, c, image, wholeDialog);
            if (!outcome.problem.empty() || !dialog.WaitForEnd(10000)) {
                dialog.CloseBox();
                dialog.WaitForEnd();
            }
        });
        const InsertBarcodeResult result = m_client.InsertBarcode();
        driver.join();
        outcome.encoded = result.encoded;
        outcome.face = result.font;
        if (outcome.problem.empty() && (FAILED(result.hr) || result.encoded.empty()))
            outcome.problem = "Insert Barcode returned no barcode";
        return outcome;
    }

private:
    std::string Script(DialogScript& dialog, const DialogCase& c, const std::string& image, bool wholeDialog)
    {
        HWND hwnd = dialog.Dialog();
        // Sent messages overtake posted ones: read the states before posting anything.
        const bool fullAscii = Checked(hwnd, IDC_FULL_ASCII);
        const bool checkCharacter = Checked(hwnd, IDC_CHECK_CHARACTER);
        const bool humanReadable = Checked(hwnd, IDC_HUMAN_READABLE);
        if (fullAscii != c.fullAscii)
            dialog.Click(IDC_FULL_ASCII);
        if (checkCharacter != c.checkCharacter)
            dialog.Click(IDC_CHECK_CHARACTER);
        if (humanReadable != c.humanReadable)
            dialog.Click(IDC_HUMAN_READABLE);
        dialog.Click(IDC_SIZE_XS + c.sizeIndex);
        dialog.Click(IDC_START_STOP_FIRST + c.startStop);
        dialog.SelectComboEntry(IDC_POINT_SIZE, c.pointSizeIndex);
        if (!EnterKeys(dialog, c))
            return "the keys hold a token without a button";
        dialog.Click(IDC_ENCODE_COPY);

        HWND preview = GetDlgItem(hwnd, IDC_PREVIEW);
        RECT client = {};
        GetClientRect(preview, &client);
        Canvas canvas(client.right, client.bottom);
        if (!CapturePreview(preview, canvas))
            return "the preview showed no finished barcode within 10 s";
        if (!canvas.WriteBmp(m_folder + "\\" + image, true))
            return "could not write " + image;
        if (wholeDialog) {
            RECT frame = {};
            GetWindowRect(hwnd, &frame);
            Canvas picture(frame.right - frame.left, frame.bottom - frame.top);
            if (!picture.CopyFromWindow(hwnd, true) || !picture.WriteBmp(m_folder + "\\dialog.bmp", false))
                return "could not write dialog.bmp";
        }
        dialog.Click(IDC_INSERT_BARCODE);
        return dialog.WaitForEnd() ? "" : "Insert Barcode did not end the dialog";
    }

    EncoderClient& m_client;
    std::string m_folder;
};

int Run(const std::string& outputFolder, const std::string& fontFolder)
{
    EncoderClient client;
    if (!StartImageProgram(fontFolder, client))
        return 1;

    Manifest manifest(outputFolder + "\\manifest.txt");
    CaseRunner runner(client, outputFolder);
    int failures = 0;
    int index = 0;
    for (const DialogCase& c : kCases) {
        char image[32];
        std::snprintf(image, sizeof image, "dialog-%02d.bmp", index);
        const bool wholeDialog = index == 0;
        const CaseOutcome outcome = runner.Run(c, image, wholeDialog);
        ++index;
        if (!outcome.problem.empty()) {
            std::printf("case \"%s\": %s\n", c.name, outcome.problem.c_str());
            ++failures;
            continue;
        }
        const std::string note =
            c.name + " / keys \""s + c.keys + "\" / " + outcome.face + " \"" + outcome.encoded + "\"";
        manifest.Add(image, c.fullAscii, c.checkCharacter, c.expected, note);
        if (wholeDialog)
            manifest.Add("dialog.bmp", c.fullAscii, c.checkCharacter, c.expected, "the whole dialog: " + note);
    }
    if (!manifest.Close()) {
        std::printf("could not write the manifest\n");
        ++failures;
    }
    DeleteFileA(ProgramFile(Dravel::kSettingsFileName).c_str());
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    return ImageProgramMain(argc, argv, "dialog_barcode_images", Run);
}
