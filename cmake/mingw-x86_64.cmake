# The same sources for 64-bit Windows, for machines whose kernel cannot run 32-bit Linux programs
# and therefore cannot run Wine's 32-bit loader: there the tests run this build under wine64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRINDLOWEN_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
