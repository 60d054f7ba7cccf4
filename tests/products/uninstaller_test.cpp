// The uninstaller against an installation laid out in the Wine prefix: it asks first, removes
// exactly what the wizard creates (its own file too, through its helper copy), leaves everything
// else, and says what it could not remove.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "products/installation.h"
#include "products/process_windows.h"
#include "products/product_paths.h"
#include "support/test_support.h"

using namespace producttest;
using namespace testsupport;

namespace {

const DWORD kTimeoutMs = 20000;

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

std::wstring TempDirectory() {
    wchar_t buffer[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, buffer);
    return buffer;
}

// The files Windows is asked to delete at the next restart, as one lower-case text.
std::wstring PendingDeletions() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return L"";
    }
    std::vector<wchar_t> data(32768);
    DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    LONG result = RegQueryValueExW(key, L"PendingFileRenameOperations", nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(data.data()), &bytes);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return L"";
    std::wstring text(data.data(), bytes / sizeof(wchar_t));
    std::replace(text.begin(), text.end(), L'\0', L'|');
    return Lower(text);
}

class ProductUninstaller : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveInstallationLeftovers();
        ASSERT_EQ(LayOutInstallation(), "");
    }

    void TearDown() override {
        if (helper_.pid) {
            HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, helper_.pid);
            if (process) {
                if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT)
                    TerminateProcess(process, 0xDEAD);
                WaitForSingleObject(process, 5000);
                CloseHandle(process);
            }
            DeleteFileW((TempDirectory() + helper_.exeName).c_str());
        }
        RemoveInstallationLeftovers();
    }

    // Starts an uninstaller, checks its question and answers it; returns the box's text.
    void StartAndAnswer(const std::wstring& exe, int answer) {
        ASSERT_TRUE(original_.Start(Narrow(exe)));
        HWND box = WaitForProcessWindow(original_.Pid(), kTimeoutMs);
        ASSERT_NE(box, nullptr) << "no confirmation box";
        EXPECT_EQ(Narrow(MessageBoxText(box)), u8"确实要完全移除Brindlowen及其所有组件吗？");
        AnswerMessageBox(box, answer);
        ASSERT_EQ(original_.WaitForExit(kTimeoutMs), 0u);
    }

    // After Yes: the helper copy's closing message, which is then acknowledged; the helper's exit
    // code goes to *exitCode.
    std::wstring HelperOutcome(DWORD* exitCode) {
        *exitCode = STILL_ACTIVE;
        helper_ = FindChildProcess(original_.Pid(), kTimeoutMs);
        if (!helper_.pid)
            return L"<no helper process>";
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, helper_.pid);
        HWND box = WaitForProcessWindow(helper_.pid, kTimeoutMs);
        std::wstring text = box ? MessageBoxText(box) : L"<no closing message>";
        if (box)
            AnswerMessageBox(box, IDOK);
        if (process) {
            if (WaitForSingleObject(process, kTimeoutMs) == WAIT_OBJECT_0)
                GetExitCodeProcess(process, exitCode);
            CloseHandle(process);
        }
        return text;
    }

    ChildProcess original_;
    FoundProcess helper_;
};

void ExpectAllGone() {
    for (const auto& item : InstallationItems())
        EXPECT_FALSE(item.second) << Narrow(item.first) << " remains";
}

}  // namespace

// Whichever copy the user starts (the installed one or the Start-menu one), everything goes, the
// running file included, and the helper copy arranges its own deletion.
TEST_F(ProductUninstaller, YesRemovesEverythingFromEitherCopy) {
    const std::wstring copies[] = {std::wstring(kInstallDir) + L"uninst.exe",
                                   std::wstring(kStartMenuDir) + L"\\uninst.exe"};
    for (const std::wstring& copy : copies) {
        SCOPED_TRACE(Narrow(copy));
        StartAndAnswer(copy, IDYES);
        DWORD exitCode = 0;
        std::wstring outcome = HelperOutcome(&exitCode);
        EXPECT_EQ(Narrow(outcome), u8"Brindlowen已成功地从您的计算机中移除。");
        EXPECT_EQ(exitCode, 0u);
        ExpectAllGone();
        ASSERT_NE(helper_.pid, 0u);
        EXPECT_NE(PendingDeletions().find(Lower(helper_.exeName)), std::wstring::npos)
            << "the helper copy " << Narrow(helper_.exeName) << " is not scheduled for deletion";
        TearDown();
        SetUp();
    }
}

TEST_F(ProductUninstaller, NoRemovesNothing) {
    StartAndAnswer(std::wstring(kInstallDir) + L"uninst.exe", IDNO);
    EXPECT_EQ(FindChildProcess(original_.Pid(), 500).pid, 0u) << "a helper was started";
    for (const auto& item : InstallationItems())
        EXPECT_TRUE(item.second) << Narrow(item.first) << " was removed";
}

TEST_F(ProductUninstaller, FilesOfTheUserStayWithTheirFolders) {
    const std::wstring extras[] = {std::wstring(kInstallDir) + L"notes.txt",
                                   std::wstring(kStartMenuDir) + L"\\Readme.url"};
    for (const std::wstring& extra : extras) {
        HANDLE file = CreateFileW(extra.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    StartAndAnswer(std::wstring(kInstallDir) + L"uninst.exe", IDYES);
    DWORD exitCode = 0;
    std::wstring outcome = HelperOutcome(&exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_NE(outcome.find(Utf8(u8"已保留")), std::wstring::npos) << Narrow(outcome);
    EXPECT_NE(outcome.find(kInstallDir), std::wstring::npos) << Narrow(outcome);
    EXPECT_NE(outcome.find(kStartMenuDir), std::wstring::npos) << Narrow(outcome);

    for (const std::wstring& extra : extras)
        EXPECT_TRUE(PathExists(extra)) << Narrow(extra);
    for (const auto& item : InstallationItems()) {
        bool isFolder = item.first == kInstallDir || item.first == kStartMenuDir;
        EXPECT_EQ(item.second, isFolder) << Narrow(item.first);
    }
}

// A file in use cannot be deleted: the closing message lists it, everything else still goes.
TEST_F(ProductUninstaller, WhatCannotBeRemovedIsListed) {
    std::wstring busy = std::wstring(kInstallDir) + L"Brindlowen.exe";
    HANDLE held = CreateFileW(busy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    StartAndAnswer(std::wstring(kStartMenuDir) + L"\\uninst.exe", IDYES);
    DWORD exitCode = 0;
    std::wstring outcome = HelperOutcome(&exitCode);
    CloseHandle(held);

    EXPECT_EQ(exitCode, 1u);
    EXPECT_EQ(Narrow(outcome), std::string(u8"以下项目未能移除，请手动删除：\r\n") + Narrow(busy));
    for (const auto& item : InstallationItems()) {
        bool stays = item.first == busy || item.first == kInstallDir;
        EXPECT_EQ(item.second, stays) << Narrow(item.first);
    }
}

// An uninstaller started from somewhere else removes the installation but not its own file, which
// is not part of it.
TEST_F(ProductUninstaller, ACopyOutsideTheInstallationIsNotDeleted) {
    std::wstring outside = TempDirectory() + L"brindlowen-test-uninst.exe";
    ASSERT_TRUE(CopyFileW(TestBuildProgram("uninst.exe").c_str(), outside.c_str(), FALSE));
    StartAndAnswer(outside, IDYES);
    DWORD exitCode = 0;
    HelperOutcome(&exitCode);
    EXPECT_EQ(exitCode, 0u);
    ExpectAllGone();
    EXPECT_TRUE(PathExists(outside));
    DeleteFileW(outside.c_str());
}

// The helper's command line cannot be used to skip the question or to remove anything.
TEST_F(ProductUninstaller, MalformedHelperCallsRemoveNothing) {
    const char* tails[] = {"/helper",     "/helper abc 1", "/helper 0 0",      "/helper 123456 1",
                           "/helper 4 4", "/helper 4 -1",  "/helper 4 1 extra"};
    for (const char* tail : tails) {
        SCOPED_TRACE(tail);
        ChildProcess uninstaller;
        ASSERT_TRUE(uninstaller.Start(Narrow(std::wstring(kInstallDir) + L"uninst.exe"), tail));
        EXPECT_EQ(uninstaller.WaitForExit(kTimeoutMs), 2u);
        for (const auto& item : InstallationItems())
            EXPECT_TRUE(item.second) << Narrow(item.first);
    }
}
