#pragma once

#include <string>
#include <vector>

// Built-in catalogue texts (see CvCatalogues.h for how they are used).
extern const std::vector<std::string> kBuiltinCommonTexts;
extern const std::vector<std::string> kBuiltinPduTexts;
extern const std::vector<std::string> kBuiltinSnmpV3Texts;
extern const std::vector<std::string> kBuiltinUsmTexts;
extern const std::vector<std::string> kBuiltinSnmpClassTexts;
extern const std::vector<std::string> kBuiltinCvSnmpTexts;
extern const std::vector<std::string> kBuiltinStatusTexts;
