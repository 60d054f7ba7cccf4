// Times the install step's two writes of the real payload records into a directory and prints the
// time in microseconds. Usage: bench_payload_write DIRECTORY (a Windows path without trailing "\").
#include <windows.h>

#include <cstdio>
#include <string>

#include "host/fs.h"
#include "install/payload_store.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_payload_write DIRECTORY\n");
        return 2;
    }
    const std::string app = std::string(argv[1]) + "\\Brindlowen.exe";
    const std::string uninst = std::string(argv[1]) + "\\uninst.exe";
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const int ok = host::WriteFileBytes(app.c_str(), {&ApplicationPayload}) &
                   host::WriteFileBytes(uninst.c_str(), {&UninstallerPayload});
    QueryPerformanceCounter(&end);
    if (!ok) {
        std::fprintf(stderr, "bench_payload_write: a write failed\n");
        return 1;
    }
    std::printf("%lld\n", (end.QuadPart - start.QuadPart) * 1000000LL / frequency.QuadPart);
    return 0;
}
