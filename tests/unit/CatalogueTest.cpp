#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "../TestNames.h"
#include "CvCatalogues.h"
#include "CvException.h"

namespace {

namespace fs = std::filesystem;

// The transcription holds a line break inside a message as the two characters "\n".
std::vector<std::string> ReadTranscription(const std::string& name) {
    std::ifstream in(std::string(VANTA_FIXTURES_DIR) + "/catalogues/" + name, std::ios::binary);
    std::vector<std::string> texts;
    std::string line;
    while (std::getline(in, line)) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
                text += '\n';
                ++i;
            } else {
                text += line[i];
            }
        }
        texts.push_back(text);
    }
    return texts;
}

std::string BuiltinText(CvCatalogue catalogue, int index) {
    ResetCatalogues();
    return CatalogueText(catalogue, index);
}

struct CatalogueCase {
    CvCatalogue Catalogue;
    const char* Transcription;
    const char* FileName;
    int Count;
};

const CatalogueCase kCatalogueCases[] = {
    {CvCatalogue::Common, "common.txt", "errmsg/common.err", 19},
    {CvCatalogue::Pdu, "snmp.txt", "errmsg/snmp.err", 18},
    {CvCatalogue::SnmpV3, "snmpv3.txt", "errmsg/snmpv3.err", 17},
    {CvCatalogue::Usm, "snmpusm.txt", "errmsg/snmpusm.err", 14},
    {CvCatalogue::SnmpClass, "snmpclass.txt", "errmsg/snmpclass.err", 23},
    {CvCatalogue::CvSnmp, "cvsnmp.txt", "errmsg/cvsnmp.err", 29},
    {CvCatalogue::Status, "snmp_msg.txt", "errmsg/snmp.msg", 2},
};

// Every test starts and ends with the built-in texts and gets its own folder.
class CatalogueFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCatalogues();
        std::random_device random;
        Dir = fs::temp_directory_path() /
              ("vanta_catalogue_" + std::to_string(random()) + "_" + std::to_string(random()));
        ASSERT_TRUE(fs::create_directories(Dir));
    }
    void TearDown() override {
        ResetCatalogues();
        std::error_code ignored;
        fs::remove_all(Dir, ignored);
    }
    std::string Write(const std::string& relative, const std::string& content) {
        const fs::path path = Dir / relative;
        fs::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary);
        out << content;
        return path.string();
    }

    fs::path Dir;
};

class CatalogueBuiltinTest : public CatalogueFileTest,
                             public ::testing::WithParamInterface<CatalogueCase> {};

TEST_P(CatalogueBuiltinTest, TextsEqualTranscriptionAndEndWithEmptyText) {
    const CatalogueCase& c = GetParam();
    const std::vector<std::string> expected = ReadTranscription(c.Transcription);
    ASSERT_EQ(static_cast<int>(expected.size()), c.Count) << c.Transcription;
    for (int i = 0; i < c.Count; ++i) {
        EXPECT_EQ(CatalogueText(c.Catalogue, i), expected[static_cast<std::size_t>(i)])
            << c.Transcription << " index " << i;
    }
    EXPECT_EQ(CatalogueText(c.Catalogue, c.Count), "");
    EXPECT_EQ(CatalogueText(c.Catalogue, -1), "");
    EXPECT_EQ(CatalogueFileName(c.Catalogue), c.FileName);
}

TEST_P(CatalogueBuiltinTest, LoadCataloguesReadsOnlyItsOwnFileBelowErrmsg) {
    const CatalogueCase& c = GetParam();
    Write(c.FileName, "first\nsecond\n");
    LoadCatalogues(Dir.string());
    EXPECT_EQ(CatalogueText(c.Catalogue, 0), "first");
    EXPECT_EQ(CatalogueText(c.Catalogue, 1), "second");
    for (const CatalogueCase& other : kCatalogueCases) {
        if (other.Catalogue != c.Catalogue) {
            EXPECT_EQ(CatalogueText(other.Catalogue, 0), ReadTranscription(other.Transcription)[0])
                << other.Transcription;
        }
    }
    ResetCatalogues();
    EXPECT_EQ(CatalogueText(c.Catalogue, 0), ReadTranscription(c.Transcription)[0]);
}

INSTANTIATE_TEST_SUITE_P(CatalogueAll, CatalogueBuiltinTest, ::testing::ValuesIn(kCatalogueCases),
                         [](const auto& info) {
                             return CaseName(info.index, info.param.FileName);
                         });

TEST_F(CatalogueFileTest, BlankLinesAreSkippedAndLinesKeptExactly) {
    const std::string file = Write("common.err", "zero\n  one  \n\n   \nthree\t\n");
    ASSERT_TRUE(LoadCatalogue(file, CvCatalogue::Common));
    EXPECT_EQ(CatalogueText(CvCatalogue::Common, 0), "zero");
    EXPECT_EQ(CatalogueText(CvCatalogue::Common, 1), "  one  ");
    EXPECT_EQ(CatalogueText(CvCatalogue::Common, 2), "three\t");
}

TEST_F(CatalogueFileTest, CrLfEndingsAreNotPartOfTheMessage) {
    const std::string file = Write("snmp.err", "a\r\n b \r\n\r\nc");
    ASSERT_TRUE(LoadCatalogue(file, CvCatalogue::Pdu));
    EXPECT_EQ(CatalogueText(CvCatalogue::Pdu, 0), "a");
    EXPECT_EQ(CatalogueText(CvCatalogue::Pdu, 1), " b ");
    EXPECT_EQ(CatalogueText(CvCatalogue::Pdu, 2), "c");
}

TEST_F(CatalogueFileTest, LongLineIsSplitInto1023CharacterMessages) {
    std::string longLine;
    for (int i = 0; i < 2500; ++i) {
        longLine += static_cast<char>('a' + i % 26);
    }
    const std::string file = Write("cvsnmp.err", longLine + "\nafter\n");
    ASSERT_TRUE(LoadCatalogue(file, CvCatalogue::CvSnmp));
    EXPECT_EQ(CatalogueText(CvCatalogue::CvSnmp, 0), longLine.substr(0, 1023));
    EXPECT_EQ(CatalogueText(CvCatalogue::CvSnmp, 1), longLine.substr(1023, 1023));
    EXPECT_EQ(CatalogueText(CvCatalogue::CvSnmp, 2), longLine.substr(2046));
    EXPECT_EQ(CatalogueText(CvCatalogue::CvSnmp, 3), "after");
}

TEST_F(CatalogueFileTest, MissingEmptyOrBlankFileKeepsBuiltinTexts) {
    const std::string builtin = BuiltinText(CvCatalogue::Usm, 13);
    EXPECT_FALSE(LoadCatalogue((Dir / "none.err").string(), CvCatalogue::Usm));
    EXPECT_FALSE(LoadCatalogue(Write("empty.err", ""), CvCatalogue::Usm));
    EXPECT_FALSE(LoadCatalogue(Write("blank.err", "\n   \r\n  \n"), CvCatalogue::Usm));
    EXPECT_FALSE(LoadCatalogue(Dir.string(), CvCatalogue::Usm));
    EXPECT_EQ(CatalogueText(CvCatalogue::Usm, 13), builtin);
    EXPECT_EQ(MapSnmpResult(1414).Message, "(SNMPv3USM) Address error!");
}

TEST_F(CatalogueFileTest, ShortReplacementFallsBackToBuiltinBeyondItsEnd) {
    const std::string file = Write("cvsnmp.err", "Gut!\nZwei\n");
    ASSERT_TRUE(LoadCatalogue(file, CvCatalogue::CvSnmp));
    EXPECT_EQ(CatalogueText(CvCatalogue::CvSnmp, 0), "Gut!");
    EXPECT_EQ(CatalogueText(CvCatalogue::CvSnmp, 1), "Zwei");
    EXPECT_EQ(CatalogueText(CvCatalogue::CvSnmp, 2),
              "(CvSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!");
    EXPECT_EQ(CatalogueText(CvCatalogue::CvSnmp, 29), "");
    EXPECT_EQ(MapSnmpResult(0).Message, "Gut!");
    EXPECT_EQ(MapSnmpResult(7777).Message, "(CvSNMP++) Unknown error code!");
}

TEST_F(CatalogueFileTest, SecondLoadReplacesTheWholeFirstOne) {
    ASSERT_TRUE(LoadCatalogue(Write("a.err", "one\ntwo\nthree\n"), CvCatalogue::SnmpV3));
    ASSERT_TRUE(LoadCatalogue(Write("b.err", "uno\n"), CvCatalogue::SnmpV3));
    EXPECT_EQ(CatalogueText(CvCatalogue::SnmpV3, 0), "uno");
    EXPECT_EQ(CatalogueText(CvCatalogue::SnmpV3, 1), "(SNMPv3) Message not in Time Window!");
}

TEST_F(CatalogueFileTest, ReplacedTextsReachCodesAndExceptions) {
    ASSERT_TRUE(LoadCatalogue(Write("snmp.err", "too big\nno such name\n"), CvCatalogue::Pdu));
    const CvSnmpResult mapped = MapSnmpResult(2);
    EXPECT_EQ(mapped.Code, -102);
    EXPECT_EQ(mapped.Message, "no such name");
    try {
        CvRaise(-101);
        FAIL() << "CvRaise returned";
    } catch (const CvException& e) {
        EXPECT_EQ(e.Message(), "too big");
        EXPECT_EQ(e.Code(), -101);
    }
    ResetCatalogues();
    EXPECT_EQ(MapSnmpResult(2).Message, "(SNMP) Variable does not exist!");
}

// Result, expected code, and the catalogue entry that holds the message.
struct MapCase {
    int Result;
    int Code;
    CvCatalogue Catalogue;
    int Index;
};

std::vector<MapCase> MapCases() {
    std::vector<MapCase> cases = {
        {0, 0, CvCatalogue::CvSnmp, 0},
        {1400, 0, CvCatalogue::CvSnmp, 0},
        {-1401, 0, CvCatalogue::CvSnmp, 0},
    };
    for (int r = 1; r <= 18; ++r) {
        cases.push_back({r, -(100 + r), CvCatalogue::Pdu, r - 1});
    }
    for (int r = 1401; r <= 1414; ++r) {
        cases.push_back({r, 1100 - r, CvCatalogue::Usm, r - 1401});
    }
    for (int r = -1418; r <= -1402; ++r) {
        cases.push_back({r, r + 1201, CvCatalogue::SnmpV3, -r - 1402});
    }
    for (int r = -23; r <= -1; ++r) {
        cases.push_back({r, r - 400, CvCatalogue::SnmpClass, -r - 1});
    }
    for (int r : {19, 1399, 1415, -24, -1400, -1419, 7777, 100, -100, INT_MAX, INT_MIN}) {
        cases.push_back({r, -528, CvCatalogue::CvSnmp, 28});
    }
    return cases;
}

class MapSnmpResultTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapSnmpResultTest, CodeAndMessage) {
    const MapCase& c = GetParam();
    const CvSnmpResult mapped = MapSnmpResult(c.Result);
    EXPECT_EQ(mapped.Code, c.Code) << "result " << c.Result;
    EXPECT_EQ(mapped.Message, CatalogueText(c.Catalogue, c.Index)) << "result " << c.Result;
    EXPECT_FALSE(mapped.Message.empty());
    EXPECT_EQ(CodeMessage(mapped.Code), mapped.Message);
}

INSTANTIATE_TEST_SUITE_P(CatalogueRanges, MapSnmpResultTest, ::testing::ValuesIn(MapCases()),
                         [](const auto& info) {
                             return CaseName(info.index,
                                             "result " + std::to_string(info.param.Result));
                         });

struct LiteralCase {
    int Number;
    int Code;
    const char* Message;
};

class MapSnmpResultLiteralTest : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(MapSnmpResultLiteralTest, KnownResults) {
    const CvSnmpResult mapped = MapSnmpResult(GetParam().Number);
    EXPECT_EQ(mapped.Code, GetParam().Code);
    EXPECT_EQ(mapped.Message, GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    CatalogueExamples, MapSnmpResultLiteralTest,
    ::testing::Values(LiteralCase{0, 0, "(CvSNMP++) Ok!"}, LiteralCase{1400, 0, "(CvSNMP++) Ok!"},
                      LiteralCase{-1401, 0, "(CvSNMP++) Ok!"},
                      LiteralCase{1, -101, "(SNMP) Response PDU Too Big!"},
                      LiteralCase{2, -102, "(SNMP) Variable does not exist!"},
                      LiteralCase{18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
                      LiteralCase{-5, -405, "(SNMPClass) SNMP request timed out!"},
                      LiteralCase{-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
                      LiteralCase{1401, -301, "(SNMPv3USM) error!"},
                      LiteralCase{1414, -314, "(SNMPv3USM) Address error!"},
                      LiteralCase{-1402, -201, "(SNMPv3) Unsupported Security Model!"},
                      LiteralCase{-1418, -217, "(SNMPv3) Report sent!"},
                      LiteralCase{7777, -528, "(CvSNMP++) Unknown error code!"}),
    [](const auto& info) {
        return CaseName(info.index, "result " + std::to_string(info.param.Number));
    });

// Code and the message it must carry.
struct CodeCase {
    int Code;
    const char* Message;
};

class CodeMessageTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CodeMessageTest, MessageOfCodeAndRaisedException) {
    const CodeCase& c = GetParam();
    EXPECT_EQ(CodeMessage(c.Code), c.Message) << "code " << c.Code;
    try {
        CvRaise(c.Code);
        FAIL() << "CvRaise returned";
    } catch (const CvException& e) {
        EXPECT_EQ(e.Message(), c.Message);
        EXPECT_STREQ(e.what(), c.Message);
        EXPECT_EQ(e.Code(), c.Code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CatalogueCodeRanges, CodeMessageTest,
    ::testing::Values(
        CodeCase{0, "(CvSNMP++) Ok!"}, CodeCase{-1, "(CvCommon) Bad logic operand!"},
        CodeCase{-2, "(CvCommon) Bad format specifier of edit's constraint!"},
        CodeCase{-12, "(CvCommon) Out of range at index of array or list!"},
        CodeCase{-18, "(CvCommon) Fail to read option data from file([FILENAME])!"},
        CodeCase{-19, "(CvSNMP++) Unknown error code!"},
        CodeCase{-100, "(CvSNMP++) Unknown error code!"},
        CodeCase{-101, "(SNMP) Response PDU Too Big!"},
        CodeCase{-118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        CodeCase{-119, "(CvSNMP++) Unknown error code!"},
        CodeCase{-200, "(CvSNMP++) Unknown error code!"},
        CodeCase{-201, "(SNMPv3) Unsupported Security Model!"},
        CodeCase{-217, "(SNMPv3) Report sent!"}, CodeCase{-218, "(CvSNMP++) Unknown error code!"},
        CodeCase{-301, "(SNMPv3USM) error!"}, CodeCase{-314, "(SNMPv3USM) Address error!"},
        CodeCase{-315, "(CvSNMP++) Unknown error code!"},
        CodeCase{-401, "(SNMPClass) Operation failed!"},
        CodeCase{-405, "(SNMPClass) SNMP request timed out!"},
        CodeCase{-423, "(SNMPClass) Blocked Mode Shutdown!"},
        CodeCase{-424, "(CvSNMP++) Unknown error code!"},
        CodeCase{-500, "(CvSNMP++) Unknown error code!"},
        CodeCase{-506, "(CvSNMP++) Cannot create the global CvSNMP++ session!"},
        CodeCase{-511, "(CvSNMP++) Bad SNMP syntax!"},
        CodeCase{-518, "(CvSNMP++) Bad value of the associated SNMP variable's (partial) data!"},
        CodeCase{-528, "(CvSNMP++) Unknown error code!"},
        CodeCase{-529, "(CvSNMP++) Unknown error code!"},
        CodeCase{5, "(CvSNMP++) Unknown error code!"}),
    [](const auto& info) {
        return CaseName(info.index, "code " + std::to_string(info.param.Code));
    });

std::tm At(int hour, int minute, int second) {
    std::tm t{};
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

const char kReadTemplate[] = "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].";
const char kWriteTemplate[] = "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].";

struct StatusCase {
    const char* Template;
    const char* Message;
    const char* ListName;
    std::tm Now;
    const char* Expected;
};

class StatusTextTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StatusTextTest, FillsTemplate) {
    const StatusCase& c = GetParam();
    EXPECT_EQ(StatusText(c.Template, c.Message, c.ListName, c.Now), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    CatalogueStatusLines, StatusTextTest,
    ::testing::Values(
        StatusCase{kReadTemplate, "(CvSNMP++) Ok!", "", At(14, 5, 9),
                   "Get: (CvSNMP++) Ok!. Receive at 02:05:09 PM."},
        StatusCase{kReadTemplate, "(CvSNMP++) Ok!", " Led Status", At(14, 5, 9),
                   "Get: (CvSNMP++) Ok! Request: Led Status. Receive at 02:05:09 PM."},
        StatusCase{kReadTemplate, "m", "", At(0, 0, 0), "Get: m. Receive at 12:00:00 AM."},
        StatusCase{kReadTemplate, "m", "", At(0, 59, 59), "Get: m. Receive at 12:59:59 AM."},
        StatusCase{kReadTemplate, "m", "", At(11, 59, 59), "Get: m. Receive at 11:59:59 AM."},
        StatusCase{kReadTemplate, "m", "", At(12, 0, 0), "Get: m. Receive at 12:00:00 PM."},
        StatusCase{kReadTemplate, "m", "", At(12, 30, 5), "Get: m. Receive at 12:30:05 PM."},
        StatusCase{kReadTemplate, "m", "", At(23, 59, 59), "Get: m. Receive at 11:59:59 PM."},
        StatusCase{kWriteTemplate, "(SNMP) Cannot modify object, Read Only!", " Port Config",
                   At(9, 0, 7),
                   "Set: (SNMP) Cannot modify object, Read Only! Request: Port Config. Receive "
                   "at 09:00:07 AM."},
        StatusCase{kWriteTemplate, "(CvSNMP++) Ok!", "", At(21, 10, 0),
                   "Set: (CvSNMP++) Ok!. Receive at 09:10:00 PM."},
        StatusCase{"[ERROR] at [TIME]", "Done", "", At(1, 2, 3), "Done at 01:02:03 AM"},
        StatusCase{"[ERROR] at [TIME]", "Done", " List", At(1, 2, 3), "Done at 01:02:03 AM"},
        StatusCase{"[ERROR]/[ERROR] [TIME] [TIME]", "x", "n", At(13, 0, 0),
                   "x/x 01:00:00 PM 01:00:00 PM"},
        StatusCase{"[VARLIST] then [ERROR]", "x", "", At(8, 0, 0), " then x"},
        StatusCase{"[VARLIST] then [ERROR]", "x", "L", At(8, 0, 0), "L then x"}),
    [](const auto& info) { return CaseName(info.index, info.param.Expected); });

TEST(CatalogueStatusTemplates, BuiltinTemplatesAreTheReadAndWriteLines) {
    ResetCatalogues();
    EXPECT_EQ(StatusText(CatalogueText(CvCatalogue::Status, kStatusRead), "(CvSNMP++) Ok!", "",
                         At(14, 5, 9)),
              "Get: (CvSNMP++) Ok!. Receive at 02:05:09 PM.");
    EXPECT_EQ(StatusText(CatalogueText(CvCatalogue::Status, kStatusWrite), "(CvSNMP++) Ok!",
                         " Led Status", At(14, 5, 9)),
              "Set: (CvSNMP++) Ok! Request: Led Status. Receive at 02:05:09 PM.");
}

}  // namespace
