// The toolkit clean-up's command-manager step: the command manager is emptied and the menu
// sound worker, asked to stop by the global data's earlier step, is given a moment to end and
// its handle closed. The command manager and the process's sound player register it when they
// are made (a static library links only what the program uses).
#pragma once

void WTKRegisterCommandBarsCleanUp();
