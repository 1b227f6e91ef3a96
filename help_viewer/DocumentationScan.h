// The help content modules of a folder: every "*.dll" file (sub-folders are not searched)
// that exports Get_Lumidoc_Doc_Name, in the order the directory search returns them. A
// candidate is first read as data; only one that exports the title function is loaded (its
// initialisation runs), asked for its title and freed again.
#pragma once
#include "core/String.h"

#include <vector>

struct DocumentationEntry {
    CString title;     // from Get_Lumidoc_Doc_Name, at most 255 characters
    CString fileName;  // without the folder
};

// Nothing is scanned when the folder with the pattern does not fit a path of MAX_PATH
// characters; a candidate whose folder and name do not fit is skipped.
std::vector<DocumentationEntry> ScanDocumentations(LPCSTR lpszFolder);
