#include "PortPages.h"

#include <cassert>

#include "CvMibCatalogue.h"

namespace panel_pages {

namespace {

// The port index and medium are the instance; the page shows the rest.
constexpr int kIndexColumns = 2;

const CvSNMPVarDesc* ValueColumns(const char* page) {
    const CvMibPage* table = FindMibPage(page);
    assert(table != nullptr && table->PKeyCount == kIndexColumns);
    return table->Records + kIndexColumns;
}

}  // namespace

const char* const kPortInformationTitle = "Port Information Table";
const char* const kPortConfigurationTitle = "Port Configuration";

const CvSNMPVarDesc* PortInformation() {
    static const CvSNMPVarDesc* const columns = ValueColumns("PortInformation1");
    return columns;
}

const CvSNMPVarDesc* PortConfiguration() {
    static const CvSNMPVarDesc* const columns = ValueColumns("PortControl1");
    return columns;
}

const CvSNMPVarDesc* ComboLinkStatus() {
    return PortLinkStatusTable;
}

}  // namespace panel_pages
