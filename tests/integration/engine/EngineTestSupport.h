#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "AgentProcess.h"
#include "CvException.h"
#include "CvSNMPRequest.h"
#include "CvSNMPVar.h"
#include "SnmpdAgent.h"
#include "SnmpsimAgent.h"

namespace engine_test {

// Access words of the descriptors the tests build.
constexpr std::uint32_t kRo = CvAccess::readonly;
constexpr std::uint32_t kRw = CvAccess::readwrite;
constexpr std::uint32_t kIndex = CvAccess::notaccess;
constexpr std::uint32_t kImpliedIndex = CvAccess::notaccess | CvAccess::implied;

struct ItemSpec {
    const char* Oid;
    std::uint32_t Syntax;
    std::uint32_t Access;
};

CvSNMPVarList MakeList(std::initializer_list<ItemSpec> items, std::uint8_t itemType,
                       std::int32_t keyCount);

// How a test reaches an agent; applied to the global settings, which every
// request copies when it is built.
struct Credentials {
    std::string Name;  // test name suffix
    std::uint8_t Version = 0;
    std::string ReadCommunity = "vesper";
    std::string WriteCommunity = "lantern";
    std::int32_t SecurityLevel = 1;
    std::string SecurityName;
    std::int32_t AuthProtocol = 1;
    std::string AuthPassword;
    std::int32_t PrivProtocol = 1;
    std::string PrivPassword;
};
void ApplySettings(const Credentials& credentials, std::uint16_t port,
                   const std::string& address = "127.0.0.1");

// The communities and users of the snmpd fixture.
Credentials V1(const std::string& community = agents::SnmpdAgent::kReadCommunity);
Credentials V2c(const std::string& community = agents::SnmpdAgent::kReadCommunity);
Credentials V3(const agents::SnmpdAgent::User& user);

// A name that never resolves (RFC 6761 reserves ".invalid").
// A label longer than 63 characters fails in the resolver itself, so the
// test sends no query to a name server (tests talk to loopback only).
constexpr char kUnresolvableName[] =
    "vanta-no-such-agent-with-a-label-too-long-for-any-dns-name-at-all.invalid";

// Runs `operation` and expects it to raise the system's error `code` with `message`.
template <class Operation>
void ExpectCvError(Operation&& operation, int code, const std::string& message) {
    try {
        operation();
        ADD_FAILURE() << "no error raised; expected " << code << " " << message;
    } catch (const CvException& e) {
        EXPECT_EQ(e.Code(), code);
        EXPECT_EQ(e.Message(), message);
    }
}

// The one session every request uses, with its boots counter in a private folder.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::unique_ptr<agents::TempDir> FStateDir;
};

// Agents shared by the tests of one process; they are stopped when the
// tests end (ReleaseSharedAgents).
agents::SnmpdAgent& SharedSnmpd();
agents::SnmpsimAgent& SharedSnmpsim();
void ReleaseSharedAgents();

// Processes Qt events until `done` holds or `ms` have passed; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int ms);
// Processes Qt events for `ms`.
void PumpFor(int ms);

// Every item's Value, in list order.
std::vector<std::string> Values(const CvSNMPVarList& vars);
// A synchronous walk: the Values of every row.
std::vector<std::vector<std::string>> Walk(CvSNMPRequest& request, int maxRows = 1000);

// The completions an asynchronous operation delivered, with the values of
// the list at each of them. With `continueWalk`, a completion with code 0
// that is not Done asks for the next row, as the windows do.
struct CompletionLog {
    CvSNMPRequest* Request = nullptr;
    bool ContinueWalk = false;
    std::vector<CvSNMPError> Errors;
    std::vector<std::vector<std::string>> Rows;
    // Set by a test once it has destroyed Request: completions after that
    // are counted and touch nothing.
    const bool* RequestDestroyed = nullptr;
    int LateCalls = 0;

    static void Callback(void* context, CvSNMPError& error, CvSNMPVarList& vars);
    bool Finished() const { return !Errors.empty() && Errors.back().Done; }
};

// An asynchronous walk as the windows run it: the rows, expected to end
// without error within `ms`.
std::vector<std::vector<std::string>> AsyncWalk(CvSNMPRequest& request, int ms = 30000);

// The host's interfaces by index, as snmpd's ifTable lists them.
std::vector<std::pair<unsigned, std::string>> HostInterfaces();
std::string HostName();
// sysDescr of snmpd on Linux: the fields of uname joined by blanks.
std::string HostSystemDescription();

// The text of an OID for a string index: its characters' codes.
std::string ImpliedSuffix(const std::string& text);

}  // namespace engine_test
