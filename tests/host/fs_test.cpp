// CopyFileTo, MakeDirectory and FileExists on a real directory.
#include <gtest/gtest.h>

#include "host/fs.h"
#include "host_fixtures.h"

using namespace hosttest;

namespace {

class HostFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteWholeFile(dir_ / "source.exe", "source bytes"));
        ASSERT_TRUE(CreateDirectoryA((dir_ / "sub").c_str(), nullptr));
        ASSERT_TRUE(WriteWholeFile(dir_ / "sub\\inner.txt", "inner"));
    }
    TempDir dir_;
};

TEST_F(HostFiles, CopyCreatesOrReplacesTheDestination) {
    struct Case {
        const char* what;
        std::string source;
        std::string destination;
        int expected;
    } cases[] = {
        {"new destination", dir_ / "source.exe", dir_ / "copy.exe", 1},
        {"existing destination is replaced", dir_ / "source.exe", dir_ / "sub\\inner.txt", 1},
        {"missing source", dir_ / "absent.exe", dir_ / "copy2.exe", 0},
        {"missing destination directory", dir_ / "source.exe", dir_ / "absent\\copy.exe", 0},
        {"empty paths", "", "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(host::CopyFileTo(c.source.c_str(), c.destination.c_str()), c.expected) << c.what;
        if (c.expected) {
            EXPECT_EQ(ReadWholeFile(c.destination), "source bytes") << c.what;
        }
    }
    EXPECT_FALSE(IsDirectory(dir_ / "absent"));
    EXPECT_EQ(ListNames(dir_.Path()), (std::set<std::string>{"copy.exe", "source.exe", "sub"}));
}

TEST_F(HostFiles, MakeDirectoryCreatesExactlyOneNewLevel) {
    struct Case {
        const char* what;
        std::string path;
        int expected;
    } cases[] = {
        {"new directory", dir_ / "zavrin", 1},         {"dot in the name", dir_ / "john.doe", 1},
        {"existing directory", dir_ / "sub", 0},       {"existing file", dir_ / "source.exe", 0},
        {"missing parent", dir_ / "absent\\child", 0}, {"empty path", "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(host::MakeDirectory(c.path.c_str()), c.expected) << c.what;
    EXPECT_TRUE(IsDirectory(dir_ / "zavrin"));
    EXPECT_FALSE(IsDirectory(dir_ / "absent")) << "no parent level is created";
    EXPECT_EQ(ListNames(dir_ / "sub"), std::set<std::string>{"inner.txt"}) << "existing directory untouched";
    EXPECT_EQ(ReadWholeFile(dir_ / "source.exe"), "source bytes");
}

TEST_F(HostFiles, FileExistsFindsFilesDirectoriesAndWildcardMatches) {
    struct Case {
        const char* what;
        std::string path;
        int expected;
    } cases[] = {
        {"file", dir_ / "source.exe", 1},
        {"directory", dir_ / "sub", 1},
        {"directory path ending in \\", dir_ / "sub\\", 0},
        {"missing entry", dir_ / "absent.exe", 0},
        {"entry of a missing directory", dir_ / "absent\\x", 0},
        {"wildcard with a match", dir_ / "sub\\*.txt", 1},
        {"wildcard without a match", dir_ / "sub\\*.exe", 0},
        {"empty path", "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(host::FileExists(c.path.c_str()), c.expected) << c.what;
}

}  // namespace
