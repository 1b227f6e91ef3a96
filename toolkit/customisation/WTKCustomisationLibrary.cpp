// The library's sources are added by area in CMakeLists.txt; this one keeps it non-empty.
