// The Code 39 test faces in this process: the faces installed in the prefix's font folder
// enumerate by themselves; where they are missing the build tree's font files are added for
// this process alone, so that the decode tests run in any prefix.
#pragma once

#include <windows.h>

#include <string>

// The ten faces the dialog can select ("TolvekVantrixXS" ... "TolvekVantrixXLT").
extern const char* const kTestFaceNames[10];

// Every face of kTestFaceNames is usable after a true return; otherwise missing holds the
// first face that is not.
bool MakeTestFacesAvailable(const std::string& fontFolder, std::string& missing);

// A font of the face with the em height in pixels; nullptr when the system would substitute
// another face.
HFONT CreateTestFont(const char* face, int emPixels);
