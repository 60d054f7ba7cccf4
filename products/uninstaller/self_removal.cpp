#include "uninstaller/self_removal.h"

#include <cwchar>
#include <string>
#include <vector>

namespace uninstaller {

const wchar_t kHelperSwitch[] = L"/helper";

namespace {

std::wstring OwnPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::wstring();
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring TempDirectory() {
    wchar_t buffer[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH)
        return std::wstring();
    return std::wstring(buffer, length);
}

// Copies this program to a new file in the temporary directory; empty on failure.
std::wstring CopySelfToTemp(const std::wstring& self, const std::wstring& tempDirectory) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring copy = tempDirectory + L"Brindlowen-uninst-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(attempt) + L".exe";
        if (CopyFileW(self.c_str(), copy.c_str(), TRUE))
            return copy;
        DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    return std::wstring();
}

}  // namespace

bool StartHelperCopy() {
    std::wstring self = OwnPath();
    std::wstring tempDirectory = TempDirectory();
    if (self.empty() || tempDirectory.empty())
        return false;
    std::wstring copy = CopySelfToTemp(self, tempDirectory);
    if (copy.empty())
        return false;

    HANDLE original = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &original,
                         SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, TRUE, 0)) {
        DeleteFileW(copy.c_str());
        return false;
    }
    std::wstring command = L"\"" + copy + L"\" " + kHelperSwitch + L" " +
                           std::to_wstring(static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(original))) +
                           L" " + std::to_wstring(GetCurrentProcessId());
    std::vector<wchar_t> commandLine(command.begin(), command.end());
    commandLine.push_back(L'\0');

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    // The helper runs in the temporary directory: a process's current directory cannot be removed.
    BOOL started = CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                  tempDirectory.c_str(), &startup, &process);
    CloseHandle(original);
    if (!started) {
        DeleteFileW(copy.c_str());
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

namespace {
// A whole decimal number, or 0.
unsigned long long ParseNumber(const wchar_t* text) {
    wchar_t* end = nullptr;
    unsigned long long value = std::wcstoull(text, &end, 10);
    return (end == text || *end != L'\0' || *text == L'-') ? 0 : value;
}
}  // namespace

HANDLE HelperOriginalProcess(int argc, wchar_t** argv) {
    if (argc != 4 || std::wcscmp(argv[1], kHelperSwitch) != 0)
        return nullptr;
    unsigned long long handleValue = ParseNumber(argv[2]);
    unsigned long long processId = ParseNumber(argv[3]);
    if (handleValue == 0 || processId == 0 || processId == GetCurrentProcessId())
        return nullptr;
    HANDLE handle = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handleValue));
    if (GetProcessId(handle) != processId)
        return nullptr;
    return handle;
}

bool WaitForOriginal(HANDLE original) {
    DWORD result = WaitForSingleObject(original, 60 * 1000);
    CloseHandle(original);
    return result != WAIT_FAILED;
}

bool ScheduleOwnDeletion() {
    std::wstring self = OwnPath();
    return !self.empty() && MoveFileExW(self.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

}  // namespace uninstaller
