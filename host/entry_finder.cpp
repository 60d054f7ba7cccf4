// EntryFinder: a directory search whose only state is the caller's FinderState, so that nested
// searches (one state per level) never disturb one another.
#include "host/fs.h"

namespace host {

namespace {

const DWORD kMaskBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE;

bool Accepts(DWORD attributes, int mask, int filesOnly) {
    if (filesOnly)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    DWORD reduced = static_cast<DWORD>(mask) & kMaskBits;
    if (reduced == 0)
        return attributes == 0;
    return (attributes & reduced) != 0;
}

}  // namespace

Text FindEntry(const char* pattern, int mask, int filesOnly, FinderState& state) {
    WIN32_FIND_DATAA data;
    HANDLE search;
    if (pattern && *pattern) {
        if (state)
            FindClose(state);
        state = nullptr;
        search = FindFirstFileA(pattern, &data);
        if (search == INVALID_HANDLE_VALUE)
            return Text();
    } else {
        if (!state)
            return Text();
        search = state;
        if (!FindNextFileA(search, &data)) {
            FindClose(search);
            state = nullptr;
            return Text();
        }
    }
    while (!Accepts(data.dwFileAttributes, mask, filesOnly)) {
        if (!FindNextFileA(search, &data)) {
            FindClose(search);
            state = nullptr;
            return Text();
        }
    }
    state = search;
    return Text::Copy(data.cFileName);
}

void CloseFinder(FinderState state) {
    if (state)
        FindClose(state);
}

}  // namespace host
