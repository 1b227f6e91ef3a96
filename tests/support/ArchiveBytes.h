// Archives written to and read from bytes in memory, for tests that store objects and then
// damage or compare what was stored.
#pragma once
#include "core/Archive.h"

#include <functional>
#include <string>

// The bytes a storing archive holds after write.
std::string StoreArchive(const std::function<void(CArchive&)>& write);
// Reads bytes through a loading archive: false when read threw a framework exception.
bool LoadArchive(std::string bytes, const std::function<void(CArchive&)>& read);
