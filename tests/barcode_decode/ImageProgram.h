// What the two image programs share: their command line, COM for the program's life, and a
// start that makes the test faces usable and creates "Vantrix.Encoder" from the copy of the
// encoder beside the program.
#pragma once

#include <string>

class EncoderClient;

using ImageRun = int (*)(const std::string& outputFolder, const std::string& fontFolder);

// Checks the arguments (OUTPUT_FOLDER FONT_FOLDER), then calls run between CoInitialize and
// CoUninitialize; run's result is the exit code.
int ImageProgramMain(int argc, char** argv, const char* programName, ImageRun run);

// False, after printing why, when a test face is missing or the encoder cannot be registered
// and created.
bool StartImageProgram(const std::string& fontFolder, EncoderClient& encoder);
