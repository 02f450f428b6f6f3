#include "CvSNMPSettings.h"

std::int32_t DefaultTimeout = 100;
std::int32_t DefaultBulkRepetitions = 0;

CvSNMPDevice& GlobalDevice() {
    static CvSNMPDevice device;
    return device;
}

CvSNMPScope& GlobalScope() {
    static CvSNMPScope scope;
    return scope;
}

CvSNMPSecurity& GlobalSecurity() {
    static CvSNMPSecurity security;
    return security;
}

void ResetSettings() {
    GlobalDevice() = CvSNMPDevice{};
    GlobalScope() = CvSNMPScope{};
    GlobalSecurity() = CvSNMPSecurity{};
    DefaultTimeout = 100;
    DefaultBulkRepetitions = 0;
}
