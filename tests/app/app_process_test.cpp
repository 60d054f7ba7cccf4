// The real wizard as its own process: where its first page appears, what its current directory is
// then, and how a close request ends it.
#include <gtest/gtest.h>
#include <windows.h>
#include <winternl.h>

#include <string>

#include "support/test_support.h"

using namespace testsupport;

namespace {

const std::string kWizard = "app/BrindlowenSetup.exe";

// The current directory of another process, read from its process parameters block.
std::wstring CurrentDirectoryOf(HANDLE process) {
    using QueryFn = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return L"";
    PEB peb = {};
    if (!ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof(peb), nullptr))
        return L"";
    // RTL_USER_PROCESS_PARAMETERS: four ULONGs, ConsoleHandle, ConsoleFlags (pointer-aligned) and
    // the three standard handles come before CurrentDirectory.DosPath.
    const auto* base = reinterpret_cast<const char*>(peb.ProcessParameters);
    UNICODE_STRING dosPath = {};
    if (!ReadProcessMemory(process, base + 16 + 5 * sizeof(void*), &dosPath, sizeof(dosPath), nullptr))
        return L"";
    std::wstring path(dosPath.Length / sizeof(wchar_t), L'\0');
    if (!path.empty() && !ReadProcessMemory(process, dosPath.Buffer, &path[0], dosPath.Length, nullptr))
        return L"";
    return path;
}

std::wstring Wide(const std::string& s) {
    std::wstring out(s.size(), L'\0');
    const int n =
        MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), &out[0], static_cast<int>(out.size()));
    out.resize(n > 0 ? n : 0);
    return out;
}

TEST(WizardProcess, FirstPageIsCentredWhateverTheArgumentsAndAltF4EndsWithZero) {
    for (const char* arguments : {"", "/S /D=C:\\elsewhere --help"}) {
        ChildProcess wizard;
        ASSERT_TRUE(wizard.Start(BuiltExe(kWizard), arguments));
        HWND page = wizard.WaitForWindow("Brindlowen", 20000);
        ASSERT_NE(page, nullptr) << arguments;
        RECT r;
        GetWindowRect(page, &r);
        EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 480) / 2) << arguments;
        EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 240) / 2) << arguments;
        EXPECT_EQ(r.right - r.left, 480);
        EXPECT_EQ(r.bottom - r.top, 240);
        EXPECT_EQ(GetWindow(page, GW_OWNER), nullptr);
        PostAltF4(page);
        EXPECT_EQ(wizard.WaitForExit(20000), 0u) << arguments;
    }
}

TEST(WizardProcess, CurrentDirectoryIsTheExecutablesDirectoryOnceThePageShows) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    // A copy whose file name holds 淺 (0x9C 0x5C): its second byte is the byte of "\", so a scan
    // for the last backslash that ignores double-byte characters would cut inside the name.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string copyDir = std::string(temp) + "brindlowen-cwd\\";
    CreateDirectoryA(copyDir.c_str(), nullptr);
    const std::string copy = copyDir + "淺安装.exe";
    ASSERT_TRUE(CopyFileA(BuiltExe(kWizard).c_str(), copy.c_str(), FALSE)) << GetLastError();

    const std::string built = BuiltExe(kWizard);
    const struct {
        std::string exe;
        std::string directory;
    } cases[] = {{built, built.substr(0, built.find_last_of('\\') + 1)}, {copy, copyDir}};
    for (const auto& c : cases) {
        const std::string& exe = c.exe;
        ChildProcess wizard;
        ASSERT_TRUE(wizard.Start(exe, "", windows)) << exe;
        HWND page = wizard.WaitForWindow("Brindlowen", 20000);
        ASSERT_NE(page, nullptr) << exe;
        const std::wstring expected = Wide(c.directory);
        const std::wstring actual = CurrentDirectoryOf(wizard.Handle());
        EXPECT_EQ(CompareStringOrdinal(actual.c_str(), -1, expected.c_str(), -1, TRUE), CSTR_EQUAL)
            << exe << ": cwd " << std::string(actual.begin(), actual.end());
        PostAltF4(page);
        EXPECT_EQ(wizard.WaitForExit(20000), 0u) << exe;
    }
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(copyDir.c_str());
}

}  // namespace
