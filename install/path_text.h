// Small helpers for path texts in the ANSI code page.
#pragma once

namespace pathtext {

// True when the last character (not merely the last byte) is "\". In code page 936 the second
// byte of a double-byte character may be 0x5C, which must not count as a separator.
bool EndsWithBackslash(const char* path);

}  // namespace pathtext
