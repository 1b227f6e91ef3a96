// Starts the help viewer of the install folder on a topic of the help content module.
#pragma once

namespace Dravel {

// parameters: "/doc=PendrelEn:5" or "/doc=PendrelEn:1". Does nothing when the product's
// "AppPath" is missing or too long for the viewer's path.
void StartHelpViewer(const char* parameters);

}  // namespace Dravel
