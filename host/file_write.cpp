// WriteFileBytes: the bytes go to a temporary file beside the target, which then replaces the
// target in one rename, so the target is either its old complete self or the new complete file.
#include <windows.h>

#include "host/fs.h"

namespace host {

namespace {

// `path` + ".~<process id>-<counter>.tmp" into `out` (MAX_PATH bytes); false when it does not fit.
bool TemporaryNameBeside(const char* path, char* out) {
    static LONG counter = 0;
    char suffix[40];
    wsprintfA(suffix, ".~%lx-%lx.tmp", GetCurrentProcessId(),
              static_cast<unsigned long>(InterlockedIncrement(&counter)));
    if (lstrlenA(path) + lstrlenA(suffix) >= MAX_PATH)
        return false;
    lstrcpyA(out, path);
    lstrcatA(out, suffix);
    return true;
}

// Writes every byte set with one WriteFile straight from its record; empty sets are skipped.
bool WriteAll(HANDLE file, std::initializer_list<const ByteSet*> sets) {
    for (const ByteSet* set : sets) {
        if (!set || set->length <= 0)
            continue;
        DWORD wanted = static_cast<DWORD>(set->length);
        DWORD written = 0;
        if (!WriteFile(file, set->Bytes(), wanted, &written, nullptr) || written != wanted)
            return false;
    }
    return true;
}

}  // namespace

int WriteFileBytes(const char* path, std::initializer_list<const ByteSet*> sets) {
    if (!path || !*path)
        return 0;
    char temporary[MAX_PATH];
    if (!TemporaryNameBeside(path, temporary))
        return 0;

    // nLength 12 is the size of the record on 32-bit Windows, where the program runs.
    SECURITY_ATTRIBUTES inheritable = {12, nullptr, TRUE};
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    bool written = WriteAll(file, sets);
    bool closed = CloseHandle(file) != 0;
    if (written && closed && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 1;
    }
    DeleteFileA(temporary);
    return 0;
}

}  // namespace host
