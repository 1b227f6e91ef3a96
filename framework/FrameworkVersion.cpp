// Keeps the library non-empty while areas are added.
extern "C" const char* FrameworkVersion() { return "1.0"; }
