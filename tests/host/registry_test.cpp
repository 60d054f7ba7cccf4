// WriteRegistryText against the registry of the test prefix, read back with the registry API.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/registry.h"

namespace {

// A test key of its own under Software of a root, deleted with everything below it at the end.
class ScratchKey {
public:
    explicit ScratchKey(HKEY root) : root_(root) {
        char name[64];
        wsprintfA(name, "Software\\BrindlowenHostTest\\%lx-%lx", GetCurrentProcessId(), GetTickCount());
        path_ = name;
    }
    ~ScratchKey() { RegDeleteTreeA(root_, path_.c_str()); }
    const std::string& Path() const { return path_; }

private:
    HKEY root_;
    std::string path_;
};

struct Stored {
    bool found = false;
    DWORD type = 0;
    DWORD size = 0;
    std::string data;
};

Stored ReadValue(HKEY root, const std::string& key, const char* name) {
    Stored stored;
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return stored;
    char buffer[1024] = {};
    stored.size = sizeof(buffer);
    stored.found = RegQueryValueExA(handle, name, nullptr, &stored.type, reinterpret_cast<BYTE*>(buffer),
                                    &stored.size) == ERROR_SUCCESS;
    stored.data.assign(buffer, stored.found ? stored.size : 0);
    RegCloseKey(handle);
    return stored;
}

void ExpectString(const Stored& stored, const std::string& text, const std::string& what) {
    ASSERT_TRUE(stored.found) << what;
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ)) << what;
    EXPECT_EQ(stored.size, text.size() + 1) << what << ": the terminator is counted";
    EXPECT_EQ(stored.data, text + '\0') << what;
}

TEST(HostRegistry, RootCodesChooseTheRootKeyAndMissingKeysAreCreated) {
    struct Case {
        int code;
        HKEY root;
    } cases[] = {
        {4, HKEY_LOCAL_MACHINE}, {3, HKEY_CURRENT_USER},  {0, HKEY_CURRENT_USER},
        {6, HKEY_CURRENT_USER},  {-1, HKEY_CURRENT_USER}, {1, HKEY_CLASSES_ROOT},
    };
    for (const Case& c : cases) {
        ScratchKey scratch(c.root);
        std::string key = scratch.Path() + "\\Uninstall\\Nubrel";
        std::string what = "root code " + std::to_string(c.code);
        ASSERT_EQ(host::WriteRegistryText(c.code, (key + "\\DisplayName").c_str(), "Brindlowen 美文"), 1) << what;
        ExpectString(ReadValue(c.root, key, "DisplayName"), "Brindlowen 美文", what);
        if (c.root != HKEY_CURRENT_USER) {
            EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, key, "DisplayName").found) << what;
        }
    }
}

TEST(HostRegistry, SplitsAtTheLastBackslashOutsideDoubleByteCharacters) {
    ScratchKey scratch(HKEY_CURRENT_USER);
    const std::string base = scratch.Path();
    // "乗" is 81 5C in code page 936: its second byte is a "\" that must not split the path.
    ASSERT_EQ(std::string("乗"), "\x81\x5C");
    struct Case {
        const char* what;
        std::string path;
        std::string key;
        std::string name;
    } cases[] = {
        {"value name ends in a double-byte character", base + "\\Key\\名乗", base + "\\Key", "名乗"},
        {"key name ends in a double-byte character", base + "\\乗\\Value", base + "\\乗", "Value"},
        {"path ending in \\ writes the default value", base + "\\Defaults\\", base + "\\Defaults", ""},
        {"separator right after a double-byte character", base + "\\x乗\\", base + "\\x乗", ""},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(host::WriteRegistryText(3, c.path.c_str(), c.what), 1) << c.what;
        ExpectString(ReadValue(HKEY_CURRENT_USER, c.key, c.name.c_str()), c.what, c.what);
    }
    // A naive byte scan would have created a key named after the first byte of "乗".
    HKEY wrong;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, (base + "\\Key\\名\x81").c_str(), 0, KEY_READ, &wrong), ERROR_SUCCESS);
}

TEST(HostRegistry, PathWithoutBackslashWritesUnderTheRootItself) {
    char name[64];
    wsprintfA(name, "BrindlowenHostTest-%lx", GetCurrentProcessId());
    ASSERT_EQ(host::WriteRegistryText(3, name, "at the root"), 1);
    ExpectString(ReadValue(HKEY_CURRENT_USER, "", name), "at the root", "value on the root key");
    RegDeleteValueA(HKEY_CURRENT_USER, name);
}

TEST(HostRegistry, WritingAgainReplacesTheValueWhateverItsType) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE);
    std::string path = scratch.Path() + "\\Publisher";
    ASSERT_EQ(host::WriteRegistryText(4, path.c_str(), "a longer first text"), 1);
    ASSERT_EQ(host::WriteRegistryText(4, path.c_str(), "second"), 1);
    ExpectString(ReadValue(HKEY_LOCAL_MACHINE, scratch.Path(), "Publisher"), "second", "second write");
    ASSERT_EQ(host::WriteRegistryText(4, path.c_str(), ""), 1);
    ExpectString(ReadValue(HKEY_LOCAL_MACHINE, scratch.Path(), "Publisher"), "", "empty text");

    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, scratch.Path().c_str(), 0, KEY_WRITE, &key), ERROR_SUCCESS);
    DWORD number = 7;
    RegSetValueExA(key, "Version", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), sizeof(number));
    RegCloseKey(key);
    ASSERT_EQ(host::WriteRegistryText(4, (scratch.Path() + "\\Version").c_str(), "1.3.0.0"), 1);
    ExpectString(ReadValue(HKEY_LOCAL_MACHINE, scratch.Path(), "Version"), "1.3.0.0", "DWORD replaced");
}

TEST(HostRegistry, KeyThatCanNeitherBeOpenedNorCreatedGivesZero) {
    // Below a volatile key only volatile keys may be created, which RegCreateKeyA never makes.
    ScratchKey scratch(HKEY_CURRENT_USER);
    HKEY parent;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch.Path().c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &parent, nullptr),
              ERROR_SUCCESS);
    HKEY volatileKey;
    ASSERT_EQ(RegCreateKeyExA(parent, "Volatile", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    RegCloseKey(parent);

    std::string key = scratch.Path() + "\\Volatile\\Child";
    EXPECT_EQ(host::WriteRegistryText(3, (key + "\\Value").c_str(), "text"), 0);
    HKEY child;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &child), ERROR_SUCCESS);
}

}  // namespace
