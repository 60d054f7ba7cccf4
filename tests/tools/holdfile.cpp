// Opens a file with no sharing and holds it until its stop-file appears (or 60 s pass): another
// process that keeps an installed file busy.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: holdfile PATH\n");
        return 2;
    }
    HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::printf("holding\n");
    std::fflush(stdout);
    const std::string stop = std::string(argv[1]) + ".release";
    for (int i = 0; i < 600 && GetFileAttributesA(stop.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
    CloseHandle(file);
    DeleteFileA(stop.c_str());
    return 0;
}
