// The list of images a decode test program wrote, one row per image, read by check_decoded.py:
//   image file <TAB> kind <TAB> expected message as hex <TAB> note
// kind says how the barcode is to be read back: "plain" or "ascii" (Full ASCII pairs stand
// for one character each), with "+check" when a modulo-43 check character precedes the stop.
// The message goes as hex because Full ASCII messages hold control characters and NUL.
#pragma once

#include <cstdio>
#include <string>

class Manifest {
public:
    explicit Manifest(const std::string& path);
    ~Manifest();
    Manifest(const Manifest&) = delete;
    Manifest& operator=(const Manifest&) = delete;

    bool IsOpen() const { return m_file != nullptr; }
    void Add(const std::string& image, bool fullAscii, bool checkCharacter, const std::string& expected,
             const std::string& note);
    // False when a write failed.
    bool Close();

private:
    FILE* m_file = nullptr;
    bool m_failed = false;
};
