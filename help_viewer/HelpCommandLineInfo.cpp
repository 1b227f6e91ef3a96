#include "HelpCommandLineInfo.h"

void CHelpCommandLineInfo::ParseParam(LPCSTR, BOOL, BOOL)
{
    // Neither flags nor plain words change the shell command.
}
