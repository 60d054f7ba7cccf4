// Fixtures of the host tests: a private temporary directory, file contents, byte-set records.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "host/bytes.h"

namespace hosttest {

// A new empty directory below the Windows temporary directory, removed with its contents at the
// end. Path() ends without "\".
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "\" + relative.
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

private:
    std::string path_;
};

// Removes a file or a whole directory tree (read-only entries included).
void RemoveTree(const std::string& path);
// The names in a directory, without "." and "..".
std::set<std::string> ListNames(const std::string& directory);
// Creates or replaces a file with the given bytes.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// The whole content of a file; `ok` is false when it cannot be read.
std::string ReadWholeFile(const std::string& path, bool* ok = nullptr);
bool IsDirectory(const std::string& path);

// A ByteSet record (dimension count 1, length, bytes) built in memory.
class ByteSetRecord {
public:
    explicit ByteSetRecord(const std::string& bytes);
    // A record that declares `length` (0 or negative: nothing to write) whatever its bytes.
    ByteSetRecord(const std::string& bytes, int length);
    const host::ByteSet* Get() const { return reinterpret_cast<const host::ByteSet*>(storage_.data()); }

private:
    std::vector<unsigned char> storage_;
};

}  // namespace hosttest
