// The one-call file-system operations: copy, one level of directory, existence.
#include "host/fs.h"

namespace host {

int CopyFileTo(const char* source, const char* destination) {
    return CopyFileA(source, destination, FALSE) ? 1 : 0;
}

int MakeDirectory(const char* path) {
    return CreateDirectoryA(path, nullptr) ? 1 : 0;
}

int FileExists(const char* path) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path, &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(search);
    return 1;
}

}  // namespace host
