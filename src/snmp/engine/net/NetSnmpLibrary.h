#pragma once

// Sets net-snmp's library up once for the module: no configuration, state or
// MIB files of the host, no log lines of its own, our fixed local engine id.
void InitialiseNetSnmp();
