#include "ImageProgram.h"

#include "EncoderClient.h"
#include "Files.h"
#include "TestFonts.h"

#include <objbase.h>

#include <cstdio>

int ImageProgramMain(int argc, char** argv, const char* programName, ImageRun run)
{
    if (argc != 3) {
        std::printf("usage: %s OUTPUT_FOLDER FONT_FOLDER\n", programName);
        return 2;
    }
    CoInitialize(nullptr);
    const int result = run(argv[1], argv[2]);
    CoUninitialize();
    return result;
}

bool StartImageProgram(const std::string& fontFolder, EncoderClient& encoder)
{
    std::string missing;
    if (!MakeTestFacesAvailable(fontFolder, missing)) {
        std::printf("the test face %s is neither installed nor in %s\n", missing.c_str(), fontFolder.c_str());
        return false;
    }
    HRESULT hr = RegisterServer(ProgramFile("Vantrix.dll").c_str());
    if (SUCCEEDED(hr))
        hr = encoder.Create();
    if (FAILED(hr)) {
        std::printf("\"Vantrix.Encoder\" could not be registered and created: 0x%08lx\n",
                    static_cast<unsigned long>(hr));
        return false;
    }
    return true;
}
