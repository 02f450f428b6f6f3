#pragma once

#include <cstdint>
#include <string>

// Where the one managed device is and how to authenticate to it. Start-up
// fills these from the command line; every request copies them when built.

struct CvSNMPDevice {
    std::string Address = "127.0.0.1";
    std::uint16_t Port = 161;
};

struct CvSNMPScope {
    std::string ContextEngineID;
    std::string ContextName;
};

// Protocol numbers are SNMP++'s own: version 0 v1, 1 v2c, 3 v3; security
// level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv; authentication 1 none,
// 2 MD5, 3 SHA, 4-7 SHA-224/256/384/512; privacy 1 none, 2 DES, 4 AES-128,
// 20 AES-192, 21 AES-256.
struct CvSNMPSecurity {
    std::uint8_t Version = 0;
    std::string ReadCommunity = "vesper";
    std::string WriteCommunity = "lantern";
    std::int32_t SecurityModel = 1;
    std::int32_t SecurityLevel = 1;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::int32_t AuthProtocol = 1;
    std::int32_t PrivProtocol = 1;
};

CvSNMPDevice& GlobalDevice();
CvSNMPScope& GlobalScope();
CvSNMPSecurity& GlobalSecurity();

// Time-out in hundredths of a second given to every new request.
extern std::int32_t DefaultTimeout;
// Rows a table walk reads ahead with one get-bulk (SNMPv2c and v3); 0 keeps
// to one get-next a row.
extern std::int32_t DefaultBulkRepetitions;

// Back to the defaults above.
void ResetSettings();
