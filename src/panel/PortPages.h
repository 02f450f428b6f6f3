#pragma once

#include "CvSNMPVar.h"

// The per-port pages of the front panel and the combo-port link probe, as
// descriptor tables of one port instance ("port.medium").
namespace panel_pages {

extern const char* const kPortInformationTitle;
extern const char* const kPortConfigurationTitle;

extern const CvSNMPVarDesc kPortInformation[];
extern const CvSNMPVarDesc kPortConfiguration[];
// swL2PortInfoLinkStatus alone.
extern const CvSNMPVarDesc kComboLinkStatus[];

}  // namespace panel_pages
