// File-system operations. Each is a thin contract over a few kernel32 calls and returns 1 for
// success and 0 for failure; none shows a message, retries or logs. Null paths are not accepted:
// callers pass "" instead (Text::Str()).
#pragma once

#include <windows.h>

#include <initializer_list>

#include "host/bytes.h"
#include "host/text.h"

namespace host {

// Creates or replaces the file at `path` with the concatenation of the byte sets, written
// straight from their records. The directory must exist. A failure never leaves a partly written
// file at `path`, and an existing file survives a failed write.
int WriteFileBytes(const char* path, std::initializer_list<const ByteSet*> sets);
// CopyFileA with bFailIfExists FALSE: an existing destination is replaced.
int CopyFileTo(const char* source, const char* destination);
// CreateDirectoryA with no security attributes: exactly one level.
int MakeDirectory(const char* path);
// 1 when FindFirstFileA finds an entry for the path (directories count).
int FileExists(const char* path);

// A caller-owned handle of an open directory search; 0 when none. One per level of a recursion.
using FinderState = HANDLE;
// Next accepted entry name, or null at the end. A non-empty pattern starts a new search (closing
// the one `state` held); null or "" continues it. filesOnly != 0 accepts non-directories only;
// otherwise `mask` (reduced to 0x37) selects entries sharing a bit with it, 0 only attribute 0.
Text FindEntry(const char* pattern, int mask, int filesOnly, FinderState& state);
// Closes an open search (does nothing for 0).
void CloseFinder(FinderState state);

}  // namespace host
