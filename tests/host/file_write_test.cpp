// WriteFileBytes: the file holds exactly the byte sets afterwards, or, on failure, whatever it
// held before; nothing else appears in its directory.
#include <gtest/gtest.h>

#include <functional>

#include "host/fs.h"
#include "host_fixtures.h"

using namespace hosttest;

namespace {

class HostWriteFileBytes : public testing::Test {
protected:
    TempDir dir_;
};

TEST_F(HostWriteFileBytes, CreatesFileWithTheSetsInOrderSkippingEmptyOnes) {
    ByteSetRecord first(std::string("MZ\x90\0head", 8)), empty(""), negative("ignored", -5), last("tail\r\n");
    std::string path = dir_ / "Brindlowen.exe";
    ASSERT_EQ(host::WriteFileBytes(path.c_str(), {first.Get(), empty.Get(), negative.Get(), last.Get()}), 1);
    EXPECT_EQ(ReadWholeFile(path), std::string("MZ\x90\0head", 8) + "tail\r\n");
    EXPECT_EQ(ListNames(dir_.Path()), std::set<std::string>{"Brindlowen.exe"}) << "no temporary file left";
}

TEST_F(HostWriteFileBytes, ReplacesLongerFileWithExactlyTheNewBytes) {
    std::string path = dir_ / "uninst.exe";
    ASSERT_TRUE(WriteWholeFile(path, std::string(5000, 'o')));
    ByteSetRecord record("new");
    ASSERT_EQ(host::WriteFileBytes(path.c_str(), {record.Get()}), 1);
    EXPECT_EQ(ReadWholeFile(path), "new");

    // A single empty set leaves the existing file empty.
    ByteSetRecord empty("");
    ASSERT_EQ(host::WriteFileBytes(path.c_str(), {empty.Get()}), 1);
    bool ok = false;
    EXPECT_EQ(ReadWholeFile(path, &ok), "");
    EXPECT_TRUE(ok);
    EXPECT_EQ(ListNames(dir_.Path()), std::set<std::string>{"uninst.exe"});
}

TEST_F(HostWriteFileBytes, WritesAPayloadSizedSetWhole) {
    std::string payload(1085440, '\0');
    for (size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<char>(i * 7 + (i >> 11));
    ByteSetRecord record(payload);
    std::string path = dir_ / "Brindlowen.exe";
    ASSERT_EQ(host::WriteFileBytes(path.c_str(), {record.Get()}), 1);
    EXPECT_TRUE(ReadWholeFile(path) == payload);
}

TEST_F(HostWriteFileBytes, FailuresReturnZeroAndLeaveTheDirectoryAsItWas) {
    const std::string old = "old complete content";
    struct Case {
        const char* what;
        std::function<std::string()> prepare;  // returns the path to write
    } cases[] = {
        {"empty path", [] { return std::string(); }},
        {"missing directory", [&] { return dir_ / "missing\\Brindlowen.exe"; }},
        {"path is a directory", [&] { return dir_ / "sub"; }},
        {"path ends in \\", [&] { return dir_ / "sub\\"; }},
        {"path at the length limit", [&] { return dir_ / std::string(MAX_PATH - 1 - dir_.Path().size() - 1, 'n'); }},
        {"path longer than the limit", [&] { return dir_ / std::string(MAX_PATH, 'n'); }},
    };
    ASSERT_TRUE(CreateDirectoryA((dir_ / "sub").c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(dir_ / "existing.exe", old));
    ByteSetRecord record("new bytes");
    for (const Case& c : cases) {
        std::set<std::string> before = ListNames(dir_.Path());
        std::string path = c.prepare();
        EXPECT_EQ(host::WriteFileBytes(path.c_str(), {record.Get()}), 0) << c.what;
        EXPECT_EQ(ListNames(dir_.Path()), before) << c.what;
        EXPECT_TRUE(ListNames(dir_ / "sub").empty()) << c.what;
        EXPECT_EQ(ReadWholeFile(dir_ / "existing.exe"), old) << c.what;
    }
}

TEST_F(HostWriteFileBytes, TargetHeldOpenWithoutSharingKeepsItsOldContent) {
    std::string path = dir_ / "Brindlowen.exe";
    ASSERT_TRUE(WriteWholeFile(path, "old complete content"));
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ByteSetRecord record("new bytes that must not land");
    EXPECT_EQ(host::WriteFileBytes(path.c_str(), {record.Get()}), 0);
    CloseHandle(holder);
    EXPECT_EQ(ReadWholeFile(path), "old complete content");
    EXPECT_EQ(ListNames(dir_.Path()), std::set<std::string>{"Brindlowen.exe"}) << "temporary file removed";
}

TEST_F(HostWriteFileBytes, WrittenFileCanBeOpenedByOthersAfterwards) {
    // The exclusive share mode lasts only while writing: the file is closed on return.
    std::string path = dir_ / "Brindlowen.exe";
    ByteSetRecord record("bytes");
    ASSERT_EQ(host::WriteFileBytes(path.c_str(), {record.Get()}), 1);
    HANDLE exclusive = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(exclusive, INVALID_HANDLE_VALUE);
    if (exclusive != INVALID_HANDLE_VALUE)
        CloseHandle(exclusive);
}

}  // namespace
