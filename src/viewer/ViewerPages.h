#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "CvSNMPVar.h"

// The pages of the standard-MIB viewer, one for each page argument the
// module's menu passes ("/TMIB_IFTable"). Immutable data in the catalogue's
// record format; every record is read-only.

// One part of a page: a group of scalars or one table.
struct ViewerSection {
    const char* Caption = nullptr;           // shown above the part ("Interfaces")
    std::uint8_t ItemType = SVT_SV;          // SVT_SV a group of scalars, MVT_UMV a table
    std::int32_t KeyCount = 0;               // a table's index columns, first in Records
    const CvSNMPVarDesc* Records = nullptr;  // ends with a record whose Oid is null
    // A scalar instance of the same group ("1.3.6.1.2.1.2.1.0"): a table
    // without rows whose probe answers noSuchObject or noSuchInstance is a
    // group the device does not support.
    const char* SupportProbeOid = nullptr;
    // Without a probe: the subtree of the table's MIB. A table without rows
    // whose walk's first answer lies outside it (or past the end of the
    // agent's MIB) is a group the device does not support. Null: an empty
    // table is just empty.
    const char* GroupOid = nullptr;
};

struct ViewerPage {
    const char* Argument = nullptr;   // "/TMIB_IFTable"
    const char* Title = nullptr;      // caption before ": " + the device address
    const char* GroupText = nullptr;  // "This device does not support " + GroupText + "."
    std::span<const ViewerSection> Sections{};
    // Column OIDs of the first section plotted over time for the selected
    // row (in/out octets and errors of an interface); empty: no plot.
    std::span<const char* const> PlotColumns{};
};

// Every page, in the order of the menu.
std::span<const ViewerPage> ViewerPages();

// The page of a page argument, or null.
const ViewerPage* FindViewerPage(std::string_view argument);

// Counter and Counter64 records get a rate beside their value.
bool IsCounterSyntax(std::uint32_t syntax);
