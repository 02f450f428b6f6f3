#include "CvCatalogues.h"

#include <array>
#include <cstdio>
#include <vector>

#include "CvCatalogueTexts.h"
#include "CvException.h"
#include "CvTextUtil.h"

namespace {

struct CatalogueData {
    const char* FileName;
    const std::vector<std::string>* Builtin;
};

const std::array<CatalogueData, kCatalogueCount> kCatalogues = {{
    {"common.err", &kBuiltinCommonTexts},
    {"snmp.err", &kBuiltinPduTexts},
    {"snmpv3.err", &kBuiltinSnmpV3Texts},
    {"snmpusm.err", &kBuiltinUsmTexts},
    {"snmpclass.err", &kBuiltinSnmpClassTexts},
    {"cvsnmp.err", &kBuiltinCvSnmpTexts},
    {"snmp.msg", &kBuiltinStatusTexts},
}};

// Texts read from files; empty while the built-in ones apply.
std::array<std::vector<std::string>, kCatalogueCount>& LoadedTexts() {
    static std::array<std::vector<std::string>, kCatalogueCount> loaded;
    return loaded;
}

std::size_t Slot(CvCatalogue catalogue) {
    return static_cast<std::size_t>(catalogue);
}

const std::string kEmpty;

}  // namespace

std::string CatalogueFileName(CvCatalogue catalogue) {
    return std::string("errmsg/") + kCatalogues[Slot(catalogue)].FileName;
}

const std::string& CatalogueText(CvCatalogue catalogue, int index) {
    if (index < 0) {
        return kEmpty;
    }
    const auto i = static_cast<std::size_t>(index);
    const std::vector<std::string>& loaded = LoadedTexts()[Slot(catalogue)];
    if (i < loaded.size()) {
        return loaded[i];
    }
    const std::vector<std::string>& builtin = *kCatalogues[Slot(catalogue)].Builtin;
    return i < builtin.size() ? builtin[i] : kEmpty;
}

bool LoadCatalogue(const std::string& fileName, CvCatalogue catalogue) {
    std::vector<std::string> lines = ReadLines(fileName);
    if (lines.empty()) {
        return false;
    }
    LoadedTexts()[Slot(catalogue)] = std::move(lines);
    return true;
}

void LoadCatalogues(const std::string& moduleFolder) {
    std::string folder = moduleFolder;
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    for (int c = 0; c < kCatalogueCount; ++c) {
        const auto catalogue = static_cast<CvCatalogue>(c);
        LoadCatalogue(folder + CatalogueFileName(catalogue), catalogue);
    }
}

void ResetCatalogues() {
    for (auto& loaded : LoadedTexts()) {
        loaded.clear();
    }
}

const std::string& CodeMessage(int code) {
    if (code == 0) {
        return CatalogueText(CvCatalogue::CvSnmp, 0);
    }
    if (code >= -18 && code <= -1) {
        return CatalogueText(CvCatalogue::Common, -code);
    }
    if (code >= -118 && code <= -101) {
        return CatalogueText(CvCatalogue::Pdu, -code - 101);
    }
    if (code >= -217 && code <= -201) {
        return CatalogueText(CvCatalogue::SnmpV3, -code - 201);
    }
    if (code >= -314 && code <= -301) {
        return CatalogueText(CvCatalogue::Usm, -code - 301);
    }
    if (code >= -423 && code <= -401) {
        return CatalogueText(CvCatalogue::SnmpClass, -code - 401);
    }
    if (code >= -528 && code <= -501) {
        return CatalogueText(CvCatalogue::CvSnmp, -code - 500);
    }
    return CatalogueText(CvCatalogue::CvSnmp, 28);
}

std::string CommonMessage(int index,
                          std::initializer_list<std::pair<std::string_view, std::string>> fills) {
    std::string text = CatalogueText(CvCatalogue::Common, index);
    for (const auto& [placeholder, value] : fills) {
        text = ReplaceAll(text, placeholder, value);
    }
    return text;
}

void CvRaise(int code) {
    throw CvException(CodeMessage(code), code);
}

CvSnmpResult MapSnmpResult(int result) {
    int code = kErrUnknown;
    if (result == 0 || result == 1400 || result == -1401) {
        code = kOk;
    } else if (result >= 1 && result <= 18) {
        code = -(100 + result);
    } else if (result >= 1401 && result <= 1414) {
        code = 1100 - result;
    } else if (result >= -1418 && result <= -1402) {
        code = result + 1201;
    } else if (result >= -23 && result <= -1) {
        code = result - 400;
    }
    return {code, CodeMessage(code)};
}

std::string StatusText(const std::string& tmpl, const std::string& message,
                       const std::string& listName, const std::tm& now) {
    static const std::string kError = "[ERROR]";
    static const std::string kVarList = "[VARLIST]";
    std::string text = tmpl;
    if (listName.empty()) {
        const std::size_t error = text.find(kError);
        const std::size_t varList =
            error == std::string::npos ? std::string::npos : text.find(kVarList, error);
        if (varList != std::string::npos) {
            const std::size_t from = error + kError.size();
            text.erase(from, varList + kVarList.size() - from);
        }
    }
    text = ReplaceAll(text, kVarList, listName);
    text = ReplaceAll(text, kError, message);

    const int hour12 = now.tm_hour % 12 == 0 ? 12 : now.tm_hour % 12;
    char time[64];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d %s", hour12, now.tm_min, now.tm_sec,
                  now.tm_hour < 12 ? "AM" : "PM");
    return ReplaceAll(text, "[TIME]", time);
}
