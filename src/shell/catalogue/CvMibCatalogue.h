#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "CvSNMPVar.h"

// The MIB catalogue: the descriptor tables behind the generic pages of the
// menu and the parameters each page is opened with. Immutable data; the option
// lists the records point to are built before main() and live until exit.

// As TConfigForm's PageKind: 1 a scalar editor, 2 a table list.
enum class CvPageKind : std::uint8_t { Scalar = 1, Table = 2 };

// An edit format given to one column with SetVarFormat.
struct CvColumnFormat {
    std::int32_t Column;
    const char* Format;
};

// Size changes made after the set-up; amounts are multiplied by FScale and
// truncated toward zero unless the kind says otherwise.
enum class CvSizeKind : std::uint8_t {
    Height,          // window height := amount
    HeightUnscaled,  // window height := amount pixels, whatever the scale
    HeightPlus,      // window height += amount
    WidthPlus,       // window width += amount
    EditWidthPlus,   // value controls as wide as the first row's + amount (vertical layout)
    EditWidth,       // value controls := amount wide (SetEditWidthAndFit)
};

struct CvSizeAdjustment {
    CvSizeKind Kind;
    std::int32_t Amount;
};

// One page of the catalogue, keyed by the component name of its menu item.
struct CvMibPage {
    const char* Name = nullptr;
    const char* Title = nullptr;      // FWindowTitle
    bool Hidden = false;              // its menu item is never shown
    bool CaptionWithAddress = false;  // caption = Title + ": " + FDeviceAddress
    CvPageKind Kind = CvPageKind::Scalar;
    std::uint8_t ItemType = SVT_SV;
    std::int32_t PKeyCount = 0;
    std::int32_t StatusColumn = -1;  // -1: the page neither adds nor deletes rows
    const char* AddStatus = nullptr;
    const char* DeleteStatus = nullptr;
    bool NoEditButton = false;
    std::span<const CvColumnFormat> Formats{};
    std::span<const CvSizeAdjustment> Sizes{};
    const CvSNMPVarDesc* Records = nullptr;  // ends with a record whose Oid is null

    bool HasStatusColumn() const { return StatusColumn >= 0; }
};

// The page with that component name, or null.
const CvMibPage* FindMibPage(std::string_view name);

// Every page, hidden ones included, in the order of the main menu.
const std::vector<const CvMibPage*>& MibPagesInMenuOrder();

// The single-record tables the main window reads for its menu rules.
extern const CvSNMPVarDesc RmonStateTable[];   // the table of RMONSetting1
extern const CvSNMPVarDesc StpVersionTable[];  // also read by the MSTP port-state dialog
extern const CvSNMPVarDesc Dot1xStateTable[];
// swL2PortInfoLinkStatus alone: the front panel's combo-port probe.
extern const CvSNMPVarDesc PortLinkStatusTable[];

// The vocabulary name of a syntax code ("integer", "displaystr", ...); null
// for a code outside the vocabulary.
const char* SyntaxName(std::uint32_t syntax);
