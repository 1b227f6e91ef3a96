// The program's one application object; the tests build their own.
#include "HelpApp.h"

CHelpApp theApp;
