#include "CvSNMPSession.h"

#include <memory>

#include "CvBootCounter.h"
#include "CvCatalogueTexts.h"
#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPSettings.h"
#include "CvSNMPTarget.h"
#include "SnmpEventProcessor.h"
#include "SnmpTransport.h"

namespace {

std::unique_ptr<SnmpSession>& SessionSlot() {
    static std::unique_ptr<SnmpSession> session;
    return session;
}

std::unique_ptr<SnmpEventProcessor>& ProcessorSlot() {
    static std::unique_ptr<SnmpEventProcessor> processor;
    return processor;
}

// Session errors come before the catalogue files are read, so they always
// carry the built-in texts.
[[noreturn]] void RaiseBuiltin(int code) {
    const auto index = static_cast<std::size_t>(-code - 500);
    throw CvException(kBuiltinCvSnmpTexts[index], code);
}

}  // namespace

std::string BootCounterPath(const std::string& directory) {
    if (directory.empty()) {
        return kBootCounterFile;
    }
    const char last = directory.back();
    return last == '/' || last == '\\' ? directory + kBootCounterFile
                                       : directory + "/" + kBootCounterFile;
}

void CreateGlobalSession(const std::string& directory) {
    DestroyGlobalSession();
    try {
        SessionSlot() = std::make_unique<SnmpSession>();
    } catch (const std::exception&) {
        RaiseBuiltin(kErrCreateSession);
    }
    const std::string path = BootCounterPath(directory);
    std::uint32_t boots = 0;
    if (!LoadBootCounter(path, kLocalEngineId, boots)) {
        RaiseBuiltin(kErrLoadBoots);
    }
    ++boots;
    if (!SaveBootCounter(path, kLocalEngineId, boots)) {
        RaiseBuiltin(kErrSaveBoots);
    }
    SetLocalEngineBoots(boots);

    ResetSettings();
    ProcessorSlot() = std::make_unique<SnmpEventProcessor>(*SessionSlot());
    ProcessorSlot()->Start();
}

SnmpSession* GlobalSession() {
    return SessionSlot().get();
}

SnmpEventProcessor* GlobalEventProcessor() {
    return ProcessorSlot().get();
}

void DestroyGlobalSession() {
    ProcessorSlot().reset();
    SessionSlot().reset();
    ForgetResolvedAddresses();
}
