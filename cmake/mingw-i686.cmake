# The shipping target: 32-bit Windows (PE32, i386). Run under Wine's 32-bit loader.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BRINDLOWEN_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
