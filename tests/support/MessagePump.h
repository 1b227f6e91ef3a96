#pragma once

// Runs the thread's messages that are waiting through the framework's pump (pre-translation
// included), stopping at WM_QUIT, which stays in the queue.
void PumpPending();
