// Prints the target path and the description of a shell link, one per line, read back through
// IShellLinkA: the tests' way of checking a .lnk file the wizard made.
#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lnkinfo LINK\n");
        return 2;
    }
    if (FAILED(CoInitialize(nullptr))) return 3;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return 3;
    }
    IPersistFile* file = nullptr;
    int rc = 1;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, argv[1], -1, wide, MAX_PATH);
        if (SUCCEEDED(file->Load(wide, STGM_READ))) {
            char path[MAX_PATH] = {}, description[INFOTIPSIZE] = {};
            link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
            link->GetDescription(description, INFOTIPSIZE);
            std::printf("%s\n%s\n", path, description);
            rc = 0;
        }
        file->Release();
    }
    link->Release();
    CoUninitialize();
    return rc;
}
