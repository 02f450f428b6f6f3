#pragma once

#include <string>
#include <vector>

#include "CvLaunchParameters.h"

class CvRegistry;
struct ViewerPage;

// A viewer is started like the module, with the module's own switches and
// the page argument ("/TMIB_IFTable") among them.
struct ViewerLaunch {
    const ViewerPage* Page = nullptr;
    std::string PageArgument;
    CvLaunchTexts Texts;
    CvLaunchFlags Flags;
};

// The argument that begins with "/T" (capital: "/t" is the agent port); ""
// when there is none.
std::string PageArgumentOf(const std::vector<std::string>& args);

// The arguments that carry launch parameters: all but the page. An empty
// "/v" (an SNMPv3 launch whose version was not in a .cfg file) stands for
// "/v3" before the SNMPv3 switches, so that they are applied.
std::vector<std::string> LaunchParameters(const std::vector<std::string>& args,
                                          const std::string& pageArgument);

// Why the arguments open no window ("No parameter input", "Unknown viewer
// page: /TMIB_Foo."); "" when they name a page.
std::string LaunchRefusal(const std::vector<std::string>& args);

// Creates the global session in `sessionFolder` and sets it up the way the
// module does: its message catalogues, bulk setting, then the arguments other
// than the page with the .cfg rules of the host's configuration folder.
// Raises CvLaunchError for a number that is none.
ViewerLaunch PrepareViewerLaunch(const std::vector<std::string>& args, const CvRegistry& registry,
                                 const std::string& sessionFolder);
