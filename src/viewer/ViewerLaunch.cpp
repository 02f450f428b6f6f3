#include "ViewerLaunch.h"

#include "CvCatalogues.h"
#include "CvRegistry.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"
#include "ViewerPages.h"

std::string PageArgumentOf(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg.rfind("/T", 0) == 0) {
            return arg;
        }
    }
    return {};
}

std::vector<std::string> LaunchParameters(const std::vector<std::string>& args,
                                          const std::string& pageArgument) {
    std::vector<std::string> parameters;
    std::size_t v3Block = std::string::npos;
    bool versionFromModuleLine = false;
    for (const std::string& arg : args) {
        if (arg == pageArgument) {
            continue;  // not a launch parameter: the module never saw it
        }
        if (arg == "/v") {
            versionFromModuleLine = true;
            continue;
        }
        if (v3Block == std::string::npos && arg.rfind("/t", 0) == 0) {
            v3Block = parameters.size();
        }
        parameters.push_back(arg);
    }
    if (versionFromModuleLine) {
        // The module passes its SNMPv3 switches only for SNMPv3, with an
        // empty "/v" after "/t" when its own version came from its command
        // line: that is SNMPv3, and it has to come before the block.
        const auto at = v3Block == std::string::npos
                            ? parameters.end()
                            : parameters.begin() + static_cast<long>(v3Block);
        parameters.insert(at, "/v3");
    }
    return parameters;
}

std::string LaunchRefusal(const std::vector<std::string>& args) {
    if (args.empty()) {
        return "No parameter input";
    }
    const std::string page = PageArgumentOf(args);
    if (page.empty()) {
        return "No viewer page was given.";
    }
    return FindViewerPage(page) == nullptr ? "Unknown viewer page: " + page + "." : std::string();
}

ViewerLaunch PrepareViewerLaunch(const std::vector<std::string>& args, const CvRegistry& registry,
                                 const std::string& sessionFolder) {
    CreateGlobalSession(sessionFolder);
    GlobalSecurity().Version = 0;
    LoadCatalogues(ModuleFolder(registry));
    DefaultBulkRepetitions = BulkRepetitionsSetting(registry);

    ViewerLaunch launch;
    launch.PageArgument = PageArgumentOf(args);
    launch.Page = FindViewerPage(launch.PageArgument);
    const std::vector<std::string> parameters = LaunchParameters(args, launch.PageArgument);
    CvLaunchState state{GlobalDevice(), GlobalScope(), GlobalSecurity(), {}, {}};
    ApplyLaunchArguments(parameters, HostConfigFolder(registry), state);
    launch.Texts = state.Texts;
    launch.Flags = state.Flags;
    return launch;
}
