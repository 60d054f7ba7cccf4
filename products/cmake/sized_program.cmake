# brindlowen_sized_program(<name> SIZE <bytes> SOURCES <files...> [LIBS <libs...>])
#
# Builds <name>.exe, a Windows GUI program of exactly SIZE bytes. The objects are linked twice:
# once without padding to learn the program's own size, then with a generated ".pad" section of
# zero bytes that fills the image up to SIZE. A check after the link fails the build (and removes
# the file) if the result is not exactly SIZE bytes. Nothing is ever appended after the last
# section: the program is stripped, so there is no symbol table behind the sections either.
set(BRINDLOWEN_SIZED_PROGRAM_DIR ${CMAKE_CURRENT_LIST_DIR})

function(brindlowen_sized_program name)
  cmake_parse_arguments(ARG "" "SIZE" "SOURCES;LIBS" ${ARGN})
  set(dir ${BRINDLOWEN_SIZED_PROGRAM_DIR})

  add_library(${name}_objects OBJECT ${ARG_SOURCES})
  target_link_libraries(${name}_objects PRIVATE brindlowen_product_options)

  add_executable(${name}_unpadded WIN32 $<TARGET_OBJECTS:${name}_objects>)
  set_target_properties(${name}_unpadded PROPERTIES
    OUTPUT_NAME ${name} RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/unpadded)
  target_link_libraries(${name}_unpadded PRIVATE brindlowen_product_options ${ARG_LIBS})

  set(pad_source ${CMAKE_CURRENT_BINARY_DIR}/${name}_pad.c)
  add_custom_command(OUTPUT ${pad_source}
    COMMAND ${CMAKE_COMMAND} -DUNPADDED=$<TARGET_FILE:${name}_unpadded> -DTARGET_SIZE=${ARG_SIZE}
            -DOUTPUT=${pad_source} -P ${dir}/pad_source.cmake
    DEPENDS ${name}_unpadded $<TARGET_FILE:${name}_unpadded> ${dir}/pad_source.cmake
    COMMENT "Sizing the padding of ${name}.exe to ${ARG_SIZE} bytes"
    VERBATIM)

  add_executable(${name} WIN32 $<TARGET_OBJECTS:${name}_objects> ${pad_source})
  target_link_libraries(${name} PRIVATE brindlowen_product_options ${ARG_LIBS})
  # The padding is referenced by nothing: name it so that --gc-sections keeps it.
  target_link_options(${name} PRIVATE -Wl,--undefined=brindlowen_pad)
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:${name}> -DTARGET_SIZE=${ARG_SIZE} -P ${dir}/check_size.cmake
    VERBATIM)
endfunction()
