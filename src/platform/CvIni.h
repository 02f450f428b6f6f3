#pragma once

#include <string>

// Reads values of an ini-format file the way the profile-string service
// does: section and key names compare ignoring case, values are trimmed and
// cut at 4095 characters. The file is read once, at construction.
class CvIni {
public:
    explicit CvIni(const std::string& fileName);

    // The value of `key` in `section`; `defaultValue` when the file, the
    // section or the key is missing or the value is empty.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    // True when the file holds a section of that name (empty or not).
    bool HasSection(const std::string& section) const;

private:
    std::string FText;
};
