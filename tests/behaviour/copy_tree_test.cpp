// The Start-menu tree copy on real trees, with ProgressPage open for its 标签3 and 选择框3.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "behaviour/test_pages.h"
#include "behaviour/tree_fixture.h"
#include "gui/runtime.h"
#include "host/text.h"
#include "install/copy_tree.h"
#include "install/failure_list.h"

using gui::Page;
using namespace behaviourtest;

namespace {

class CopyTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseTestPages();
        ASSERT_TRUE(gui::LoadPage(Page::Progress));
        ForgetSourcePathsShown();
        tree.Directory("src");
    }
    void TearDown() override {
        gui::DestroyPage(Page::Progress);
        RunEventsFor(50);
    }

    // Runs the copy as the finish step does, on variables the copy may replace.
    bool Copy(const std::string& source, const std::string& target) {
        host::Text from = host::Text::Copy(source.c_str());
        host::Text to = host::Text::Copy(target.c_str());
        const bool finished = install::CopyTree(from, to, failures);
        finalSource = from.Str();
        finalTarget = to.Str();
        return finished;
    }

    void KeepBackups(bool on) { gui::WriteProperty(Page::Progress, "选择框3", gui::Property::Checked, on ? 1 : 0); }

    std::string Src(const std::string& relative = "") const {
        return tree.Path("src" + (relative.empty() ? "" : "\\" + relative));
    }
    std::string Dst(const std::string& relative = "") const {
        return tree.Path("dst" + (relative.empty() ? "" : "\\" + relative));
    }

    TempTree tree;
    install::FailureList failures;
    std::string finalSource, finalTarget;
};

std::size_t IndexOf(const std::vector<std::string>& list, const std::string& item) {
    return static_cast<std::size_t>(std::find(list.begin(), list.end(), item) - list.begin());
}

}  // namespace

TEST_F(CopyTreeTest, CopiesTheWholeTreeFilesFirstThenSubdirectoriesSkippingDotDirectories) {
    tree.File("src\\a.txt", "alpha");
    tree.File("src\\.profile", "profile");
    tree.File("src\\hidden.ini", "hidden");
    SetFileAttributesA(Src("hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    tree.Directory("src\\sub");
    tree.File("src\\sub\\b.txt", "beta");
    tree.Directory("src\\sub\\deep");
    tree.File("src\\sub\\deep\\c.txt", "gamma");
    tree.File("src\\sub\\z.txt", "zeta");
    tree.Directory("src\\empty");
    tree.Directory("src\\.cache");
    tree.File("src\\.cache\\junk.txt", "junk");

    EXPECT_TRUE(Copy(Src(), Dst()));

    EXPECT_TRUE(failures.Empty()) << failures.Message("").Str();
    EXPECT_EQ(finalSource, Src() + "\\");
    EXPECT_EQ(finalTarget, Dst() + "\\");
    const struct {
        const char* file;
        const char* content;
    } copied[] = {{"a.txt", "alpha"},     {".profile", "profile"},       {"hidden.ini", "hidden"},
                  {"sub\\b.txt", "beta"}, {"sub\\deep\\c.txt", "gamma"}, {"sub\\z.txt", "zeta"}};
    for (const auto& f : copied)
        EXPECT_EQ(Content(Dst(f.file)), f.content) << f.file;
    EXPECT_TRUE(IsDirectory(Dst("empty"))) << "empty subdirectories are copied";
    EXPECT_FALSE(Exists(Dst(".cache"))) << "directories whose names begin with a dot are skipped";

    // 标签3 showed each source file once; a level's files come before its subdirectories'.
    const std::vector<std::string>& shown = SourcePathsShown();
    ASSERT_EQ(shown.size(), 6u);
    const std::size_t firstInSub = IndexOf(shown, Src("sub\\b.txt"));
    for (const char* top : {"a.txt", ".profile", "hidden.ini"})
        EXPECT_LT(IndexOf(shown, Src(top)), firstInSub) << top;
    EXPECT_LT(IndexOf(shown, Src("sub\\z.txt")), IndexOf(shown, Src("sub\\deep\\c.txt")));
}

struct BackupCase {
    const char* name;
    bool keepBackups;          // 选择框3
    const char* targetFile;    // existing target a.dll, null when none
    const char* targetBackup;  // existing target a.dll.bak, null when none
    const char* expectedFile;
    const char* expectedBackup;  // "<missing>" when no backup is expected
};

class CopyTreeBackups : public CopyTreeTest, public ::testing::WithParamInterface<BackupCase> {};

TEST_P(CopyTreeBackups, KeepsOrReplacesExistingTargetFiles) {
    const BackupCase c = GetParam();
    tree.File("src\\a.dll", "new");
    tree.Directory("dst");
    if (c.targetFile)
        tree.File("dst\\a.dll", c.targetFile);
    if (c.targetBackup)
        tree.File("dst\\a.dll.bak", c.targetBackup);
    KeepBackups(c.keepBackups);

    Copy(Src(), Dst());

    EXPECT_TRUE(failures.Empty()) << failures.Message("").Str();
    EXPECT_EQ(Content(Dst("a.dll")), c.expectedFile);
    EXPECT_EQ(Content(Dst("a.dll.bak")), c.expectedBackup);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         CopyTreeBackups,
                         ::testing::Values(BackupCase{"NoBoxReplacesTarget", false, "old", nullptr, "new", "<missing>"},
                                           BackupCase{"BoxKeepsTargetAndBacksItUp", true, "old", nullptr, "old", "old"},
                                           BackupCase{"BoxReplacesAnOlderBackup", true, "old", "older", "old", "old"},
                                           BackupCase{"BoxWithoutTargetCopies", true, nullptr, nullptr, "new",
                                                      "<missing>"}),
                         [](const ::testing::TestParamInfo<BackupCase>& info) { return std::string(info.param.name); });

TEST_F(CopyTreeTest, RefusesATargetInsideOrEqualToTheSource) {
    tree.File("src\\a.txt", "alpha");
    tree.Directory("src\\sub");
    std::string upper = Src();
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char ch) { return static_cast<char>(toupper(ch)); });
    const std::string targets[] = {Src("copy"), Src(), Src() + "\\", upper + "\\copy", Src("sub\\..\\copy2")};
    for (const std::string& target : targets) {
        failures = install::FailureList();
        EXPECT_TRUE(Copy(Src(), target));
        EXPECT_EQ(failures.Size(), 1u) << target;
    }
    EXPECT_FALSE(Exists(Src("copy")));
    EXPECT_FALSE(Exists(Src("copy2")));
    EXPECT_TRUE(SourcePathsShown().empty()) << "nothing was copied";

    // A sibling whose name merely begins with the source's name is not inside it.
    failures = install::FailureList();
    Copy(Src(), Src() + "2");
    EXPECT_TRUE(failures.Empty()) << failures.Message("").Str();
    EXPECT_EQ(Content(Src() + "2\\a.txt"), "alpha");
}

TEST_F(CopyTreeTest, DoesNotFollowDirectoryLinks) {
    tree.File("src\\a.txt", "alpha");
    tree.Directory("src\\sub");
    tree.File("src\\sub\\b.txt", "beta");
    tree.Directory("outside");
    tree.File("outside\\o.txt", "outside");
    if (!tree.HostLink("src\\sub\\loop", "..") || !tree.HostLink("src\\elsewhere", "../outside")) {
        GTEST_SKIP() << "Wine did not show a host link as a reparse point";
    }

    EXPECT_TRUE(Copy(Src(), Dst()));

    EXPECT_EQ(Content(Dst("a.txt")), "alpha");
    EXPECT_EQ(Content(Dst("sub\\b.txt")), "beta");
    EXPECT_FALSE(Exists(Dst("sub\\loop")));
    EXPECT_FALSE(Exists(Dst("elsewhere")));
    EXPECT_EQ(failures.Size(), 2u) << "both links are named as not copied";
}

TEST_F(CopyTreeTest, StopsDescendingAtTheDepthBound) {
    std::string relative = "src";
    for (int level = 1; level <= install::kMaxCopyDepth + 2; ++level) {
        relative += "\\d";
        tree.Directory(relative);
    }
    tree.File(relative + "\\bottom.txt", "bottom");

    EXPECT_TRUE(Copy(Src(), Dst()));

    std::string deepest = Dst();
    for (int level = 1; level <= install::kMaxCopyDepth; ++level)
        deepest += "\\d";
    EXPECT_TRUE(IsDirectory(deepest));
    EXPECT_FALSE(Exists(deepest + "\\d"));
    EXPECT_EQ(failures.Size(), 1u) << failures.Message("").Str();
}

TEST_F(CopyTreeTest, ReportsWhatCouldNotBeCopied) {
    tree.File("src\\a.txt", "alpha");
    tree.File("src\\b.txt", "beta");
    tree.File("dst", "a file where the target directory should be");

    EXPECT_TRUE(Copy(Src(), Dst()));

    // The target directory and both files are named; the file in the way is untouched.
    EXPECT_EQ(failures.Size(), 3u) << failures.Message("").Str();
    EXPECT_EQ(Content(Dst()), "a file where the target directory should be");
}

TEST_F(CopyTreeTest, MissingSourceLeavesTheTargetCreatedAndEmpty) {
    EXPECT_TRUE(Copy(tree.Path("nothing-here"), Dst()));
    EXPECT_TRUE(IsDirectory(Dst()));
    EXPECT_TRUE(SourcePathsShown().empty());
}
