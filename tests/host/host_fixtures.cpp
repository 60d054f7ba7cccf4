#include "host_fixtures.h"

#include <cstdint>
#include <cstring>

namespace hosttest {

TempDir::TempDir() {
    static int serial = 0;
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char name[64];
    wsprintfA(name, "bwhost-%lx-%lx-%d", GetCurrentProcessId(), GetTickCount(), ++serial);
    path_ = std::string(base) + name;
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempDir::~TempDir() {
    RemoveTree(path_);
}

void RemoveTree(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    for (const std::string& name : ListNames(path))
        RemoveTree(path + "\\" + name);
    RemoveDirectoryA(path.c_str());
}

std::set<std::string> ListNames(const std::string& directory) {
    std::set<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.insert(name);
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return names;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadWholeFile(const std::string& path, bool* ok) {
    if (ok)
        *ok = false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    BOOL done = bytes.empty() || ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (ok)
        *ok = done && read == bytes.size();
    return bytes;
}

bool IsDirectory(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ByteSetRecord::ByteSetRecord(const std::string& bytes) : ByteSetRecord(bytes, static_cast<int>(bytes.size())) {}

ByteSetRecord::ByteSetRecord(const std::string& bytes, int length) : storage_(8 + bytes.size()) {
    std::int32_t header[2] = {1, length};
    std::memcpy(storage_.data(), header, sizeof(header));
    if (!bytes.empty())
        std::memcpy(storage_.data() + 8, bytes.data(), bytes.size());
}

}  // namespace hosttest
