# Fails the build when a program is not exactly its required size, and removes the wrong file so
# that it can be neither shipped nor embedded.
#   cmake -DEXE=<program> -DTARGET_SIZE=<bytes> -P check_size.cmake
cmake_minimum_required(VERSION 3.20)
file(SIZE "${EXE}" size)
if(NOT size EQUAL TARGET_SIZE)
  get_filename_component(name "${EXE}" NAME)
  file(REMOVE "${EXE}")
  message(FATAL_ERROR "${name} is ${size} bytes but must be exactly ${TARGET_SIZE} bytes; the file was removed")
endif()
