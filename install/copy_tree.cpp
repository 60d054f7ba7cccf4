#include "install/copy_tree.h"

#include <windows.h>

#include "gui/runtime.h"
#include "host/fs.h"
#include "install/path_text.h"

using gui::Page;

namespace install {

namespace {

// The path as a full wide path ending in "\", or empty when it cannot be made one.
host::WideText FullDirectoryPath(const char* path) {
    char full[MAX_PATH * 4];
    DWORD size = GetFullPathNameA(path, sizeof(full), full, nullptr);
    if (size == 0 || size >= sizeof(full))
        return host::WideText();
    int wideSize = MultiByteToWideChar(CP_ACP, 0, full, -1, nullptr, 0);
    if (wideSize <= 0)
        return host::WideText();
    // wideSize counts the terminator; one more character leaves room for the "\".
    host::WideText wide(static_cast<std::size_t>(wideSize));
    wchar_t* chars = wide.MutableChars();
    MultiByteToWideChar(CP_ACP, 0, full, -1, chars, wideSize);
    const std::size_t length = wide.Length();
    if (length == 0 || chars[length - 1] != L'\\')
        chars[length] = L'\\';
    return wide;
}

bool IsDirectory(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsDirectoryLink(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

void EnsureTrailingBackslash(host::Text& path) {
    if (!pathtext::EndsWithBackslash(path.Str()))
        path = host::ConcatText(path.Str(), "\\");
}

void CopyFiles(const host::Text& source, const host::Text& target, host::FinderState& state, FailureList& failures) {
    host::Text name = host::FindEntry(host::ConcatText(source.Str(), "*.*").Str(), 0, 1, state);
    while (!name.Empty()) {
        host::Text sourceFile = host::ConcatText(source.Str(), name.Str());
        host::Text targetFile = host::ConcatText(target.Str(), name.Str());
        gui::WriteProperty(Page::Progress, "标签3", gui::TextProperty::Text, sourceFile.Str());
        if (host::FileExists(targetFile.Str()) == 1 &&
            gui::ReadProperty(Page::Progress, "选择框3", gui::Property::Checked) != 0) {
            // Keep what is there: the existing target file gains a ".bak" copy, the source is not copied.
            host::Text backup = host::ConcatText(targetFile.Str(), ".bak");
            failures.Check(host::CopyFileTo(targetFile.Str(), backup.Str()), backup.Str());
        } else {
            failures.Check(host::CopyFileTo(sourceFile.Str(), targetFile.Str()), targetFile.Str());
        }
        name = host::FindEntry(nullptr, 0, 1, state);
    }
}

struct Copy {
    FailureList& failures;
    bool stopped = false;  // the program is ending: the page is gone, touch nothing more
};

void CopyLevel(host::Text& source, host::Text& target, int depth, Copy& copy);

void CopyDirectories(const host::Text& source,
                     const host::Text& target,
                     int depth,
                     host::FinderState& state,
                     Copy& copy) {
    FailureList& failures = copy.failures;
    host::Text name = host::FindEntry(host::ConcatText(source.Str(), "*.*").Str(), 16, 0, state);
    while (!name.Empty()) {
        // ".", ".." and every directory whose name begins with a dot are left out.
        if (name.Str()[0] != '.') {
            host::Text subSource = host::ConcatText(source.Str(), name.Str());
            host::Text subTarget = host::ConcatText(target.Str(), name.Str());
            if (IsDirectoryLink(subSource.Str())) {
                // A link may lead back into the tree or anywhere else: not followed.
                failures.Add(host::ConcatText(subSource.Str(), "（目录链接，未复制）"));
            } else if (depth >= kMaxCopyDepth) {
                failures.Add(host::ConcatText(subSource.Str(), "（目录层次过深，未复制）"));
            } else {
                host::MakeDirectory(subTarget.Str());
                CopyLevel(subSource, subTarget, depth + 1, copy);
                if (copy.stopped)
                    return;
            }
        }
        name = host::FindEntry(nullptr, 16, 0, state);
    }
}

// True when a quit request waits in the queue: the last page has been closed (for example with
// Alt+F4 while pending events ran), so ProgressPage can no longer be read or written.
bool ProgramEnding() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

void CopyLevel(host::Text& source, host::Text& target, int depth, Copy& copy) {
    // Keeps the page painting and the progress bar moving while the tree is copied.
    gui::ProcessPendingEvents();
    if (ProgramEnding()) {
        copy.stopped = true;
        return;
    }
    if (!host::MakeDirectory(target.Str()) && !IsDirectory(target.Str()))
        copy.failures.Add(target.Str());
    EnsureTrailingBackslash(target);
    EnsureTrailingBackslash(source);

    // One search per level, shared by both passes.
    host::FinderState state = 0;
    CopyFiles(source, target, state, copy.failures);
    CopyDirectories(source, target, depth, state, copy);
    host::CloseFinder(state);
}

}  // namespace

bool IsSameOrInside(const char* inner, const char* outer) {
    const host::WideText innerFull = FullDirectoryPath(inner);
    const host::WideText outerFull = FullDirectoryPath(outer);
    const std::size_t innerLength = innerFull.Length(), outerLength = outerFull.Length();
    if (innerLength == 0 || outerLength == 0 || innerLength < outerLength)
        return false;
    return CompareStringOrdinal(innerFull.Str(), static_cast<int>(outerLength), outerFull.Str(),
                                static_cast<int>(outerLength), TRUE) == CSTR_EQUAL;
}

bool CopyTree(host::Text& source, host::Text& target, FailureList& failures) {
    // Copying a tree into itself would never end: every level would find the copy made before.
    if (IsSameOrInside(target.Str(), source.Str())) {
        const host::Text where = host::ConcatText(target.Str(), "（位于源目录 ", source.Str());
        failures.Add(host::ConcatText(where.Str(), "之内，未复制）"));
        return true;
    }
    Copy copy{failures};
    CopyLevel(source, target, 0, copy);
    return !copy.stopped;
}

}  // namespace install
