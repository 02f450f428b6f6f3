#pragma once

#include <gtest/gtest.h>

#include <string>

#include "CvException.h"

// Expects `statement` to raise the system's failure with `code`, and returns
// its message for further checks.
#define EXPECT_CV_CODE(statement, code)                                        \
    do {                                                                       \
        try {                                                                  \
            statement;                                                         \
            ADD_FAILURE() << "expected failure " << (code) << ": " #statement; \
        } catch (const CvException& e) {                                       \
            EXPECT_EQ(e.Code(), (code)) << e.Message();                        \
        }                                                                      \
    } while (false)

inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values) {
        s += static_cast<char>(v);
    }
    return s;
}
