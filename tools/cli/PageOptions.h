#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CvMibCatalogue.h"

enum class PageAction { Read, Set, Edit, Add, Delete };

// A page command, its labels resolved against the page's records and checked
// before anything is sent.
struct PageCommand {
    const CvMibPage* Page = nullptr;
    PageAction Action = PageAction::Read;
    bool HasInstance = false;
    std::string Instance;
    // Index columns of a table row: position and value.
    std::vector<std::pair<std::int32_t, std::string>> Keys;
    // The columns the one SET writes, with their values in the same order.
    std::vector<std::int32_t> Selection;
    std::vector<std::string> Values;
};

// Parses the words after AGENT: "page NAME [-s INSTANCE] [ACTION LABEL=VALUE...]".
// A problem fills `error` with one line naming it and returns false.
bool ParsePageCommand(const std::vector<std::string>& words, PageCommand& command,
                      std::string& error);

// The page named `name`; otherwise null with `error` set.
const CvMibPage* FindPageOrError(const std::string& name, std::string& error);

extern const char kPageUsage[];
