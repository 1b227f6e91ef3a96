#include "TestFonts.h"

const char* const kTestFaceNames[10] = {"TolvekVantrixXS", "TolvekVantrixS",   "TolvekVantrixM",  "TolvekVantrixL",
                                        "TolvekVantrixXL", "TolvekVantrixXST", "TolvekVantrixST", "TolvekVantrixMT",
                                        "TolvekVantrixLT", "TolvekVantrixXLT"};

namespace {

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceEnumerates(const char* face)
{
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

bool MakeTestFacesAvailable(const std::string& fontFolder, std::string& missing)
{
    for (const char* face : kTestFaceNames) {
        if (FaceEnumerates(face))
            continue;
        const std::string path = fontFolder + "\\" + face + ".ttf";
        AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr);
        if (!FaceEnumerates(face)) {
            missing = face;
            return false;
        }
    }
    return true;
}

HFONT CreateTestFont(const char* face, int emPixels)
{
    // A negative height asks for the em, not the cell: the bars are laid out on the em.
    HFONT font = CreateFontA(-emPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_ONLY_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    if (font == nullptr)
        return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    char selected[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, selected);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (lstrcmpiA(selected, face) != 0) {
        DeleteObject(font);
        return nullptr;
    }
    return font;
}
