#include "NetSnmpLibrary.h"

#include <cstdlib>
#include <string>

// net-snmp's configuration header comes first, each in its own block.
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include "SnmpTransport.h"

// The library reads and writes nothing of the host's: no configuration, no
// persistent state, no MIB files. Our local engine id is fixed.
void InitialiseNetSnmp() {
    static bool initialised = false;
    if (initialised) {
        return;
    }
    initialised = true;
    for (const int flag :
         {NETSNMP_DS_LIB_DONT_READ_CONFIGS, NETSNMP_DS_LIB_DONT_PERSIST_STATE,
          NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE,
          NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES}) {
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, flag, 1);
    }
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR,
                          "/dev/null/vanta-no-state");
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    // The library's own log lines (a short pass phrase, say) would stand on
    // the terminal before our message; our messages say what failed.
    snmp_disable_log();
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_DEBUG);
    static const char kEngineId[] = "CvSNMP_PP_Application";
    set_exact_engineID(reinterpret_cast<const u_char*>(kEngineId), sizeof kEngineId - 1);
    init_snmp("vanta");
}

void SetLocalEngineBoots(std::uint32_t boots) {
    InitialiseNetSnmp();
    // The library stores the configured value plus one, as for a restart.
    std::string value = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", value.data());
}
