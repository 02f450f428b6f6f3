#pragma once

// What the page tables of the catalogue share: flag words, option lists used
// by more than one menu area, size adjustments, and each area's pages.

#include <span>

#include "CvMibCatalogue.h"
#include "CvOptionList.h"

namespace mib_catalogue {

constexpr std::uint32_t kKey = CvAccess::notaccess;
constexpr std::uint32_t kKeyImplied = CvAccess::notaccess | CvAccess::implied;
constexpr std::uint32_t kRo = CvAccess::readonly;
constexpr std::uint32_t kRw = CvAccess::readwrite;

extern const CvOptionList kDisabledEnabled;
extern const CvOptionList kEnable2Disable3;
extern const CvOptionList kEnabledDisabled;
extern const CvOptionList kOtherDisabledEnabled;
extern const CvOptionList kRowStatus;
extern const CvOptionList kTruthValue;

inline constexpr CvSizeAdjustment kEditWidth142HeightPlus10[] = {{CvSizeKind::EditWidth, 142},
                                                                 {CvSizeKind::HeightPlus, 10}};
inline constexpr CvSizeAdjustment kEditWidthPlus50Height450[] = {{CvSizeKind::EditWidthPlus, 50},
                                                                 {CvSizeKind::Height, 450}};
inline constexpr CvSizeAdjustment kEditWidthPlus82Height450[] = {{CvSizeKind::EditWidthPlus, 82},
                                                                 {CvSizeKind::Height, 450}};
inline constexpr CvSizeAdjustment kHeight450[] = {{CvSizeKind::Height, 450}};
inline constexpr CvSizeAdjustment kHeight450Unscaled[] = {{CvSizeKind::HeightUnscaled, 450}};
inline constexpr CvSizeAdjustment kHeight450WidthPlus100[] = {{CvSizeKind::Height, 450},
                                                              {CvSizeKind::WidthPlus, 100}};
inline constexpr CvSizeAdjustment kHeightPlus15[] = {{CvSizeKind::HeightPlus, 15}};
inline constexpr CvSizeAdjustment kHeightPlus20[] = {{CvSizeKind::HeightPlus, 20}};
inline constexpr CvSizeAdjustment kWidthPlus30Height300[] = {{CvSizeKind::WidthPlus, 30},
                                                             {CvSizeKind::Height, 300}};

std::span<const CvMibPage> DeviceBridgeVlanPages();
std::span<const CvMibPage> SnmpV3SecurityPages();
std::span<const CvMibPage> Layer2Layer3SingleIpPages();

}  // namespace mib_catalogue
