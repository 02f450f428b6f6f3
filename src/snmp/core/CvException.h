#pragma once

#include <stdexcept>
#include <string>

// The system's failure: a message text (from a catalogue) and a negative code.
// Handlers catch it and show Message() where the window reports outcomes.
class CvException : public std::runtime_error {
public:
    CvException(std::string message, int code)
        : std::runtime_error(message), FMessage(std::move(message)), FCode(code) {}

    const std::string& Message() const noexcept { return FMessage; }
    int Code() const noexcept { return FCode; }

private:
    std::string FMessage;
    int FCode;
};

// Raises the catalogue text of `code` (see CvCatalogues.h for the code ranges).
[[noreturn]] void CvRaise(int code);
