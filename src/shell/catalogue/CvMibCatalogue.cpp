#include "CvMibCatalogue.h"

#include "CatalogueData.h"

const std::vector<const CvMibPage*>& MibPagesInMenuOrder() {
    // The menu areas follow each other in the main menu, and each area lists
    // its pages in the order of its menu.
    static const std::vector<const CvMibPage*> pages = [] {
        std::vector<const CvMibPage*> all;
        for (const auto area :
             {mib_catalogue::DeviceBridgeVlanPages(), mib_catalogue::SnmpV3SecurityPages(),
              mib_catalogue::Layer2Layer3SingleIpPages()}) {
            for (const CvMibPage& page : area) {
                all.push_back(&page);
            }
        }
        return all;
    }();
    return pages;
}

const CvMibPage* FindMibPage(std::string_view name) {
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        if (name == page->Name) {
            return page;
        }
    }
    return nullptr;
}

const char* SyntaxName(std::uint32_t syntax) {
    using namespace CvSyntax;
    static constexpr struct {
        std::uint32_t Code;
        const char* Name;
    } kNames[] = {
        {boolean, "boolean"},
        {integer, "integer"},
        {bitstr, "bitstr"},
        {octetstr, "octetstr"},
        {null, "null"},
        {objectid, "objectid"},
        {ipaddress, "ipaddress"},
        {counter, "counter"},
        {guage, "guage"},
        {timeticks, "timeticks"},
        {opaque, "opaque"},
        {nsapaddr, "nsapaddr"},
        {counter64, "counter64"},
        {uinteger, "uinteger"},
        {double_, "double"},
        {macaddress, "macaddress"},
        {datetime, "datetime"},
        {bcdatetime, "bcdatetime"},
        {displaystr, "displaystr"},
        {ipv6address, "ipv6address"},
        {bool8, "bool8"},
        {int8, "int8"},
        {uint8, "uint8"},
        {bool16, "bool16"},
        {int16, "int16"},
        {uint16, "uint16"},
    };
    for (const auto& entry : kNames) {
        if (entry.Code == syntax) {
            return entry.Name;
        }
    }
    return nullptr;
}
