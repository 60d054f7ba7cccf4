# Shared part of the mingw-w64 toolchain files; BRINDLOWEN_TRIPLE names the target.
# The posix thread model is used because GoogleTest needs std::mutex; everything is linked
# statically so that the programs import system DLLs only.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${BRINDLOWEN_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRINDLOWEN_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BRINDLOWEN_TRIPLE}-windres)
set(CMAKE_AR ${BRINDLOWEN_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${BRINDLOWEN_TRIPLE}-ranlib CACHE FILEPATH "")

# The libraries scripts/bootstrap builds come first, so its zlib is found before the system's.
set(CMAKE_FIND_ROOT_PATH ${BRINDLOWEN_DEPS_PREFIX} /usr/${BRINDLOWEN_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# try_compile projects re-read the toolchain file: pass the dependency prefix along.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRINDLOWEN_DEPS_PREFIX)
