// FindEntry / CloseFinder: the filters, the end of a search, and searches nested on separate states.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "host/fs.h"
#include "host_fixtures.h"

using namespace hosttest;

namespace {

// True while some handle (an open search) is held on the directory: an exclusive open is refused.
bool InUse(const std::string& directory) {
    HANDLE exclusive =
        CreateFileA(directory.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (exclusive == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(exclusive);
    return false;
}

class HostEntryFinder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteWholeFile(dir_ / "Brindlowen.exe", "a"));
        ASSERT_TRUE(WriteWholeFile(dir_ / "README", "b"));
        ASSERT_TRUE(WriteWholeFile(dir_ / "locked.dat", "c"));
        ASSERT_TRUE(SetFileAttributesA((dir_ / "locked.dat").c_str(), FILE_ATTRIBUTE_READONLY));
        ASSERT_TRUE(CreateDirectoryA((dir_ / "data").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA((dir_ / "john.doe").c_str(), nullptr));
        ASSERT_TRUE(WriteWholeFile(dir_ / "data\\one.txt", "1"));
        ASSERT_TRUE(WriteWholeFile(dir_ / "data\\two", "2"));
        ASSERT_TRUE(WriteWholeFile(dir_ / "john.doe\\three.txt", "3"));
        ASSERT_TRUE(CreateDirectoryA((dir_ / "empty").c_str(), nullptr));
    }

    // Every name one search yields: the first call with the pattern, then null until the end.
    static std::multiset<std::string> Enumerate(const std::string& pattern,
                                                int mask,
                                                int filesOnly,
                                                host::FinderState& state) {
        std::multiset<std::string> names;
        for (host::Text name = host::FindEntry(pattern.c_str(), mask, filesOnly, state); !name.IsNull();
             name = host::FindEntry(nullptr, mask, filesOnly, state)) {
            names.insert(name.Get());
        }
        return names;
    }

    TempDir dir_;
};

TEST_F(HostEntryFinder, FiltersSelectFilesOrAttributeBits) {
    using Names = std::multiset<std::string>;
    struct Case {
        const char* what;
        int mask;
        int filesOnly;
        Names expected;
    } cases[] = {
        {"files only", 0, 1, {"Brindlowen.exe", "README", "locked.dat"}},
        {"files only ignores the mask", 16, 1, {"Brindlowen.exe", "README", "locked.dat"}},
        {"directories", 16, 0, {".", "..", "data", "empty", "john.doe"}},
        {"bits outside 0x37 are dropped", 16 | 0x80 | 0x100, 0, {".", "..", "data", "empty", "john.doe"}},
        {"read-only", 1, 0, {"locked.dat"}},
        {"read-only or directory", 17, 0, {".", "..", "data", "empty", "john.doe", "locked.dat"}},
        {"mask 0x80 reduces to 0: attribute word exactly 0 only", 0x80, 0, {}},
    };
    for (const Case& c : cases) {
        host::FinderState state = nullptr;
        EXPECT_EQ(Enumerate(dir_ / "*.*", c.mask, c.filesOnly, state), c.expected) << c.what;
        EXPECT_EQ(state, nullptr) << c.what << ": the search is closed at its end";
    }
}

TEST_F(HostEntryFinder, EmptyOrMissingDirectoriesAndNullPatterns) {
    host::FinderState state = nullptr;
    EXPECT_EQ(Enumerate(dir_ / "empty\\*.*", 16, 0, state), (std::multiset<std::string>{".", ".."}));
    EXPECT_TRUE(host::FindEntry((dir_ / "empty\\*.*").c_str(), 0, 1, state).IsNull());
    EXPECT_EQ(state, nullptr);
    EXPECT_TRUE(host::FindEntry((dir_ / "absent\\*.*").c_str(), 16, 0, state).IsNull());
    EXPECT_EQ(state, nullptr);
    EXPECT_TRUE(host::FindEntry(nullptr, 16, 0, state).IsNull());
    EXPECT_TRUE(host::FindEntry("", 16, 0, state).IsNull());
    EXPECT_EQ(state, nullptr);
    host::CloseFinder(state);  // nothing open: does nothing
}

TEST_F(HostEntryFinder, NestedSearchesOnSeparateStatesDoNotDisturbEachOther) {
    // The tree copy's walk: per directory a files pass, then a directories pass whose entries are
    // entered with a state of their own.
    std::vector<std::string> walked;
    std::function<void(const std::string&)> walk = [&](const std::string& directory) {
        host::FinderState state = nullptr;
        for (const std::string& name : Enumerate(directory + "\\*.*", 0, 1, state)) {
            walked.push_back(directory.substr(dir_.Path().size()) + "\\" + name);
        }
        for (host::Text name = host::FindEntry((directory + "\\*.*").c_str(), 16, 0, state); !name.IsNull();
             name = host::FindEntry(nullptr, 16, 0, state)) {
            if (host::CompareText(name.Get(), ".") && host::CompareText(name.Get(), "..")) {
                walk(directory + "\\" + name.Get());
            }
        }
        host::CloseFinder(state);
    };
    walk(dir_.Path());
    std::sort(walked.begin(), walked.end());
    EXPECT_EQ(walked, (std::vector<std::string>{"\\Brindlowen.exe", "\\README", "\\data\\one.txt", "\\data\\two",
                                                "\\john.doe\\three.txt", "\\locked.dat"}));
    for (const char* directory : {"", "\\data", "\\john.doe", "\\empty"}) {
        EXPECT_FALSE(InUse(dir_.Path() + directory)) << directory << ": search left open";
    }
}

TEST_F(HostEntryFinder, NewPatternClosesTheOpenSearchAndCloseFinderEndsAnEarlyStop) {
    host::FinderState state = nullptr;
    ASSERT_FALSE(InUse(dir_.Path()));
    ASSERT_FALSE(host::FindEntry((dir_ / "*.*").c_str(), 0, 1, state).IsNull());
    ASSERT_NE(state, nullptr);
    EXPECT_TRUE(InUse(dir_.Path()));

    // A new pattern on the same state: the old search is closed, the new one yields its own entries.
    host::Text first = host::FindEntry((dir_ / "data\\*.*").c_str(), 0, 1, state);
    ASSERT_FALSE(first.IsNull());
    EXPECT_FALSE(InUse(dir_.Path())) << "the abandoned search was closed";
    EXPECT_TRUE(InUse(dir_ / "data"));
    host::Text second = host::FindEntry(nullptr, 0, 1, state);
    ASSERT_FALSE(second.IsNull());
    EXPECT_EQ((std::set<std::string>{first.Get(), second.Get()}), (std::set<std::string>{"one.txt", "two"}));

    // A new pattern that matches nothing closes the old search too.
    EXPECT_TRUE(host::FindEntry((dir_ / "data\\*.none").c_str(), 0, 1, state).IsNull());
    EXPECT_EQ(state, nullptr);
    EXPECT_FALSE(InUse(dir_ / "data"));

    // Stopping early: CloseFinder releases the open search.
    ASSERT_FALSE(host::FindEntry((dir_ / "*.*").c_str(), 16, 0, state).IsNull());
    EXPECT_TRUE(InUse(dir_.Path()));
    host::CloseFinder(state);
    EXPECT_FALSE(InUse(dir_.Path()));
}

}  // namespace
