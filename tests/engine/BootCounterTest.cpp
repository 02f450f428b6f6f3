#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

#include "CliStateFolder.h"
#include "CvBootCounter.h"
#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"

namespace fs = std::filesystem;

class BootCounterTest : public testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        Root = fs::temp_directory_path() / ("vanta_boots_" + std::to_string(random()));
        Dir = Root;
        fs::create_directories(Dir);
    }
    void TearDown() override {
        DestroyGlobalSession();
        ResetCatalogues();
        fs::permissions(Root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(Root);
    }
    std::string FileText() const {
        std::ifstream in(Dir / kBootCounterFile);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int RaisedCode() {
        try {
            CreateGlobalSession(Dir.string());
        } catch (const CvException& e) {
            Message = e.Message();
            return e.Code();
        }
        return 0;
    }

    fs::path Root;
    fs::path Dir;
    std::string Message;
};

TEST_F(BootCounterTest, EveryStartCountsOne) {
    CreateGlobalSession(Dir.string());
    EXPECT_EQ(FileText(), "CvSNMP_PP_Application 1\n");
    CreateGlobalSession(Dir.string() + "/");
    EXPECT_EQ(FileText(), "CvSNMP_PP_Application 2\n");
    EXPECT_NE(GlobalSession(), nullptr);
}

TEST_F(BootCounterTest, OtherEnginesKeepTheirLines) {
    std::ofstream(Dir / kBootCounterFile) << "OtherEngine 41\nCvSNMP_PP_Application 7\n";
    CreateGlobalSession(Dir.string());
    EXPECT_EQ(FileText(), "OtherEngine 41\nCvSNMP_PP_Application 8\n");
}

TEST_F(BootCounterTest, StartResetsTheSettings) {
    GlobalDevice().Address = "10.9.9.9";
    GlobalSecurity().Version = 3;
    DefaultTimeout = 7;
    CreateGlobalSession(Dir.string());
    EXPECT_EQ(GlobalDevice().Address, "127.0.0.1");
    EXPECT_EQ(GlobalDevice().Port, 161);
    EXPECT_EQ(GlobalSecurity().Version, 0);
    EXPECT_EQ(GlobalSecurity().ReadCommunity, "vesper");
    EXPECT_EQ(GlobalSecurity().WriteCommunity, "lantern");
    EXPECT_EQ(DefaultTimeout, 100);
}

TEST_F(BootCounterTest, MalformedCounterFailsWithTheBuiltInText) {
    std::ofstream(Dir / kBootCounterFile) << "CvSNMP_PP_Application many\n";
    std::ofstream(Dir / "common.err") << "x\n";
    EXPECT_EQ(RaisedCode(), kErrLoadBoots);
    EXPECT_EQ(Message, "(CvSNMP++) Error when loading SNMP engine boots counter!");
}

TEST_F(BootCounterTest, UnwritableFolderFailsTheStart) {
    if (geteuid() == 0) {
        // root writes anywhere: a folder that does not exist cannot be written either
        Dir /= "missing";
    } else {
        fs::permissions(Dir, fs::perms::owner_read | fs::perms::owner_exec);
    }
    EXPECT_EQ(RaisedCode(), kErrSaveBoots);
    EXPECT_EQ(Message, "(CvSNMP++) Error when saving SNMP engine boots counter!");
}

TEST_F(BootCounterTest, UnreadableOrMissingFileCountsFromZero) {
    std::uint32_t boots = 99;
    EXPECT_TRUE(LoadBootCounter((Dir / "none").string(), kLocalEngineId, boots));
    EXPECT_EQ(boots, 0u);
    std::ofstream(Dir / "other") << "SomeoneElse 5\n";
    EXPECT_TRUE(LoadBootCounter((Dir / "other").string(), kLocalEngineId, boots));
    EXPECT_EQ(boots, 0u);
}

TEST(BootCounterPath, FolderForms) {
    EXPECT_EQ(BootCounterPath(""), "CvSNMP_PP_BootCounter");
    EXPECT_EQ(BootCounterPath("/var/x"), "/var/x/CvSNMP_PP_BootCounter");
    EXPECT_EQ(BootCounterPath("/var/x/"), "/var/x/CvSNMP_PP_BootCounter");
    EXPECT_EQ(BootCounterPath("C:\\x\\"), "C:\\x\\CvSNMP_PP_BootCounter");
}

// A link planted where the file goes is replaced, never written through.
TEST_F(BootCounterTest, LinkInPlaceIsReplacedNotFollowed) {
    const fs::path victim = Root / "victim";
    std::ofstream(victim) << "precious\n";
    fs::create_symlink(victim, Dir / kBootCounterFile);
    CreateGlobalSession(Dir.string());
    EXPECT_FALSE(fs::is_symlink(Dir / kBootCounterFile));
    EXPECT_EQ(FileText(), "CvSNMP_PP_Application 1\n");
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious\n");
}

// The file is replaced whole: the old one is never cut short, so a crash
// while writing leaves every engine's line, and nothing else stays behind.
TEST_F(BootCounterTest, FileIsReplacedWhole) {
    std::ofstream(Dir / kBootCounterFile) << "OtherEngine 41\nCvSNMP_PP_Application 7\n";
    std::ifstream old(Dir / kBootCounterFile);
    CreateGlobalSession(Dir.string());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}),
              "OtherEngine 41\nCvSNMP_PP_Application 7\n");
    EXPECT_EQ(FileText(), "OtherEngine 41\nCvSNMP_PP_Application 8\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()), 1);
}

struct StateFolderCase {
    const char* Name;
    const char* StateDir;
    const char* XdgStateHome;
    const char* Home;
    const char* Folder;
};

class CliStateFolderTest : public testing::TestWithParam<StateFolderCase> {};

TEST_P(CliStateFolderTest, IsTheUsersOwn) {
    const StateFolderCase& c = GetParam();
    EXPECT_EQ(CliStateFolder(c.StateDir, c.XdgStateHome, c.Home), c.Folder);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, CliStateFolderTest,
    testing::Values(StateFolderCase{"StateDir", "/srv/v", "/x", "/home/a", "/srv/v"},
                    StateFolderCase{"Xdg", nullptr, "/x/state", "/home/a", "/x/state/vanta"},
                    StateFolderCase{"EmptyStateDir", "", "/x", "/home/a", "/x/vanta"},
                    StateFolderCase{"RelativeXdgIgnored", nullptr, "rel", "/home/a",
                                    "/home/a/.local/state/vanta"},
                    StateFolderCase{"Home", nullptr, nullptr, "/home/a",
                                    "/home/a/.local/state/vanta"},
                    StateFolderCase{"Nothing", nullptr, nullptr, nullptr, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BootCounterTest, StateFolderIsCreatedForTheUserOnly) {
    const fs::path folder = Dir / "home" / ".local" / "state" / "vanta";
    std::string error;
    ASSERT_TRUE(MakePrivateFolder(folder.string(), error)) << error;
    for (fs::path p = folder; p != Dir; p = p.parent_path()) {
        EXPECT_EQ(fs::status(p).permissions() & fs::perms::all, fs::perms::owner_all) << p;
    }
    EXPECT_TRUE(MakePrivateFolder(folder.string(), error)) << "exists already";
    std::ofstream(Dir / "file") << "x";
    EXPECT_FALSE(MakePrivateFolder((Dir / "file" / "vanta").string(), error));
    EXPECT_NE(error.find("file/vanta"), std::string::npos) << error;
}
