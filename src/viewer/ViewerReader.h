#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ViewerPages.h"

// What one read of a section found.
struct ViewerSectionData {
    enum class State : std::uint8_t {
        Rows,         // Rows holds the values (a scalar group: one row)
        Empty,        // a table without rows on a device that has the group
        Unsupported,  // the device does not support the group
        Failed,       // the exchange failed: Failure holds the engine's message
    };
    State Status = State::Empty;
    // Display texts, one per record of the section in record order (index
    // columns decoded); a scalar the agent lacks shows as "".
    std::vector<std::vector<std::string>> Rows;
    std::string Failure;
};

// One read of a whole page.
struct ViewerSnapshot {
    bool UpTimeKnown = false;
    std::uint32_t UpTime = 0;                 // sysUpTime read just before the sections
    std::vector<ViewerSectionData> Sections;  // one per section of the page
};

// Reads a page's sections one after the other through the module's request
// engine (the global session settings), asynchronously on the GUI thread.
class ViewerReader {
public:
    explicit ViewerReader(const ViewerPage& page);
    ~ViewerReader();
    ViewerReader(const ViewerReader&) = delete;
    ViewerReader& operator=(const ViewerReader&) = delete;

    // Starts a read; `done` is called once when every section has ended.
    // False (and nothing started) while a read is running.
    bool Start(std::function<void(const ViewerSnapshot&)> done);
    bool Busy() const;

private:
    struct Run;
    const ViewerPage& FPage;
    std::unique_ptr<Run> FRun;
};
