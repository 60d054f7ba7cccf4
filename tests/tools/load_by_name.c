/* The control case of the planting test: a program that loads DLLs by bare name with the default
 * search order, which does pick up a planted copy. Loads each name given. */
#include <windows.h>

int main(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) LoadLibraryA(argv[i]);
    return 0;
}
