#pragma once

#include "CvSNMPVar.h"

// The per-port pages of the front panel and the combo-port link probe: the
// catalogue's port tables without their two index columns, read for one port
// instance ("port.medium").
namespace panel_pages {

extern const char* const kPortInformationTitle;
extern const char* const kPortConfigurationTitle;

const CvSNMPVarDesc* PortInformation();
const CvSNMPVarDesc* PortConfiguration();
// swL2PortInfoLinkStatus alone.
const CvSNMPVarDesc* ComboLinkStatus();

}  // namespace panel_pages
