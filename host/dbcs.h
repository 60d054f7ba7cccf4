// Scanning byte strings of a double-byte code page: every byte of 0x80 or above starts a
// two-byte character whose second byte may look like an ASCII character ("\" is 0x5C).
#pragma once

namespace host {

// The last byte of `text` that is one of `bytes` and not the second byte of a double-byte
// character, or null when there is none. A lead byte directly before the terminator ends the scan.
const char* FindLastSingleByte(const char* text, const char* bytes);

}  // namespace host
