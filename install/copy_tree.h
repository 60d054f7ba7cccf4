// Copies a directory tree into another, file by file, showing each source path in ProgressPage
// 标签3 and keeping ".bak" copies of existing target files when ProgressPage 选择框3 is ticked.
// ProgressPage must be open while it runs.
#pragma once

#include "host/text.h"
#include "install/failure_list.h"

namespace install {

// Levels below the source that the copy descends into at most.
const int kMaxCopyDepth = 64;

// Copies `source` into `target`: at each level the files first, then the subdirectories depth
// first; directories whose names begin with "." are skipped, directory links are not followed,
// and pending events run once per level. Either variable may be replaced by the same path with a
// trailing "\"; the caller releases both afterwards. A target inside or equal to the source is
// refused. Whatever could not be created or copied is added to `failures`. Returns false when the
// copy stopped because the program is ending (the last page was closed while events ran); the
// caller must then not touch the page again.
bool CopyTree(host::Text& source, host::Text& target, FailureList& failures);

// True when `inner`, made a full path, is `outer` or lies below it (compared case-insensitively).
bool IsSameOrInside(const char* inner, const char* outer);

}  // namespace install
