#include "behaviour/tree_fixture.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace behaviourtest {

namespace {

// Runs a host program (Wine starts native executables) and waits for it.
bool RunHost(const std::string& program, const std::string& arguments) {
    std::string command = program + " " + arguments;
    std::vector<char> buffer(command.begin(), command.end());
    buffer.push_back('\0');
    std::string exe = "Z:" + program;
    std::replace(exe.begin(), exe.end(), '/', '\\');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return true;
}

}  // namespace

TempTree::TempTree() {
    static int serial = 0;
    unixRoot_ = "/tmp/brindlowen-tree-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    root_ = "Z:" + unixRoot_;
    std::replace(root_.begin(), root_.end(), '/', '\\');
    CreateDirectoryA(root_.c_str(), nullptr);
}

TempTree::~TempTree() {
    // The host's rm removes links without following them.
    RunHost("/bin/rm", "-rf " + unixRoot_);
}

void TempTree::Directory(const std::string& relative) const {
    CreateDirectoryA(Path(relative).c_str(), nullptr);
}

void TempTree::File(const std::string& relative, const std::string& content) const {
    HANDLE file =
        CreateFileA(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

bool TempTree::HostLink(const std::string& relative, const std::string& linkTarget) const {
    std::string unixLink = unixRoot_ + "/" + relative;
    std::replace(unixLink.begin(), unixLink.end(), '\\', '/');
    if (!RunHost("/bin/ln", "-s " + linkTarget + " " + unixLink)) return false;
    // The host program may still be running when Wine reports its end.
    for (int i = 0; i < 100; ++i) {
        const DWORD attributes = GetFileAttributesA(Path(relative).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        Sleep(50);
    }
    return false;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Content(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

}  // namespace behaviourtest
