// What a macro does with the product: it opens the barcode dialog through the COM encoder's
// InsertBarcode and receives the text to insert in the returned font, size and colour.
//   insert_barcode                       the user works the dialog
//   insert_barcode --auto READY GO DATA  a script types DATA and encodes, creates the file READY,
//                                        waits for the file GO, then presses "Insert Barcode"
#include "DialogScript.h"
#include "EncoderClient.h"
#include "Files.h"
#include "Resource.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <thread>

namespace {

const DWORD kFadeMs = 1500;
const DWORD kGoTimeoutMs = 60000;

void Script(const char* ready, const char* go, const char* data)
{
    DialogScript dialog;
    if (!dialog.WaitForDialog()) {
        std::printf("The barcode dialog did not open.\n");
        return;
    }
    dialog.Type(data);
    dialog.Click(IDC_ENCODE_COPY);
    Sleep(kFadeMs);  // the preview has faded in
    TouchFile(ready);
    const DWORD start = GetTickCount();
    while (!FileExists(go) && GetTickCount() - start < kGoTimeoutMs)
        Sleep(100);
    dialog.Click(IDC_INSERT_BARCODE);
    if (!dialog.WaitForEnd(10000))
        dialog.CloseBox();
}

}  // namespace

int main(int argc, char** argv)
{
    const bool automatic = argc == 5 && std::strcmp(argv[1], "--auto") == 0;
    CoInitialize(nullptr);
    int exitCode = 0;
    {
        EncoderClient encoder;
        const HRESULT created = encoder.Create();
        if (FAILED(created)) {
            std::printf("Could not create \"Vantrix.Encoder\" (0x%08lX).\n", static_cast<unsigned long>(created));
            exitCode = 1;
        } else {
            std::thread script;
            if (automatic)
                script = std::thread(Script, argv[2], argv[3], argv[4]);
            const InsertBarcodeResult result = encoder.InsertBarcode();
            if (script.joinable())
                script.join();
            std::printf("InsertBarcode returned 0x%08lX; the macro receives:\n", static_cast<unsigned long>(result.hr));
            std::printf("  sEncoded = \"%s\"\n", result.encoded.c_str());
            std::printf("  sFont    = \"%s\"\n", result.font.c_str());
            std::printf("  nSize    = %ld\n", result.size);
            std::printf("  nColor   = 0x%06lX\n", static_cast<unsigned long>(result.colour));
            std::fflush(stdout);
        }
    }
    CoUninitialize();
    return exitCode;
}
