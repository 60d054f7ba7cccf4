// Registry operations.
#pragma once

namespace host {

// Root codes: 1 HKEY_CLASSES_ROOT, 2 HKEY_CURRENT_CONFIG, 3 HKEY_CURRENT_USER,
// 4 HKEY_LOCAL_MACHINE, 5 HKEY_USERS, any other HKEY_CURRENT_USER.
// `path` is key path + "\" + value name, split at its last "\" (double-byte aware). Opens the key
// for KEY_WRITE, else creates it, and stores `value` as REG_SZ with its NUL counted. 1 or 0.
int WriteRegistryText(int rootCode, const char* path, const char* value);

}  // namespace host
