#pragma once

#include <cstdint>
#include <string>

class SnmpSession;
class SnmpEventProcessor;

constexpr char kLocalEngineId[] = "CvSNMP_PP_Application";
constexpr char kBootCounterFile[] = "CvSNMP_PP_BootCounter";

// Creates the one session every window's requests share, counts this start
// in the boots counter file in `directory` (empty: the working folder),
// resets the settings and starts the event pump. Raises -506, -507 or -508
// with the built-in texts.
void CreateGlobalSession(const std::string& directory);

// The session, or null before CreateGlobalSession.
SnmpSession* GlobalSession();
SnmpEventProcessor* GlobalEventProcessor();

// Ends the session and its pump (tests; the module keeps it to the end).
void DestroyGlobalSession();

// The boots counter file of a folder.
std::string BootCounterPath(const std::string& directory);
