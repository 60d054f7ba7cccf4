// Creates a key under HKEY_LOCAL_MACHINE whose access list lets everyone read it but denies
// everyone setting values and creating subkeys, then checks that the system enforces it: opening
// the key for writing must be refused. Prints "denied" and returns 0 when it is.
#include <windows.h>

#include <aclapi.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: denykey SUBKEY_OF_HKLM\n");
        return 2;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, argv[1], 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot create the key\n");
        return 1;
    }
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    // Deny entries come first, so they win over the allowing one.
    BYTE aclBuffer[256];
    auto* acl = reinterpret_cast<PACL>(aclBuffer);
    InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION);
    AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE | KEY_CREATE_SUB_KEY, everyone);
    AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | WRITE_DAC, everyone);
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
    LONG set = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd);
    RegCloseKey(key);
    FreeSid(everyone);
    if (set != ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot set the access list (%ld)\n", set);
        return 1;
    }
    LONG open = RegOpenKeyExA(HKEY_LOCAL_MACHINE, argv[1], 0, KEY_WRITE, &key);
    if (open == ERROR_SUCCESS) {
        RegCloseKey(key);
        std::printf("not enforced\n");
        return 1;
    }
    std::printf(open == ERROR_ACCESS_DENIED ? "denied\n" : "refused (%ld)\n", open);
    return open == ERROR_ACCESS_DENIED ? 0 : 1;
}
