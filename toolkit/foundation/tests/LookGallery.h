// A picture of a look for a person to judge: a docked toolbar with buttons in each state, a
// popup menu dropped from a menu-bar button, and a floating toolbar.
#pragma once

class CWTKVisualManager;

// Draws the gallery in the look and saves it under the build's screenshots folder.
void DrawLookGallery(CWTKVisualManager& look, const char* pszFile);
