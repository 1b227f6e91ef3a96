// The viewer's command line: which content module to show, and at which topic.
#pragma once
#include "core/String.h"

// What the "/doc=" switch asks for.
struct ViewerCommandLine {
    bool hasSwitch = false;  // false: the user picks a documentation
    CString fileName;        // the module's file name, NAME + ".dll", lower case
    int startTopic = 0;
};

// Reads the raw command line (the part after the program's name): blanks around it are
// dropped and it is lower-cased, then "/doc=" is looked for anywhere. The remainder after the
// switch names the module up to the first colon; after the colon a decimal topic (leading
// blanks skipped, an optional sign, digits up to the first other character, 0 without any),
// clamped to the range of an int.
ViewerCommandLine ParseViewerCommandLine(LPCSTR lpszRawCommandLine);

// The topic conversion on its own.
int ParseTopicNumber(LPCSTR lpszText);
