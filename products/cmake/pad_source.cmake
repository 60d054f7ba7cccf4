# Writes the C source of the padding section that brings a program to an exact file size.
#   cmake -DUNPADDED=<exe linked without padding> -DTARGET_SIZE=<bytes> -DOUTPUT=<pad .c> -P pad_source.cmake
#
# The padded program links the same objects plus this source, whose one section ".pad" holds
# zero bytes as initialized read-only data. Sections lie in the file at 512-byte steps (the file
# alignment), so a pad of a multiple of 512 bytes grows the file by exactly that much, plus one
# more step when the new section header no longer fits in the space reserved for the headers.
cmake_minimum_required(VERSION 3.20)

get_filename_component(name "${UNPADDED}" NAME)
file(SIZE "${UNPADDED}" unpadded_size)

# Reads a little-endian unsigned integer of 'width' bytes at 'offset' of the unpadded file.
function(read_le offset width out)
  file(READ "${UNPADDED}" hex OFFSET ${offset} LIMIT ${width} HEX)
  set(value 0)
  math(EXPR last "${width} - 1")
  foreach(i RANGE ${last} 0 -1)
    math(EXPR pos "${i} * 2")
    string(SUBSTRING "${hex}" ${pos} 2 byte)
    math(EXPR value "${value} * 256 + 0x${byte}")
  endforeach()
  set(${out} ${value} PARENT_SCOPE)
endfunction()

file(READ "${UNPADDED}" magic LIMIT 2 HEX)
if(NOT magic STREQUAL "4d5a")
  message(FATAL_ERROR "${name} is not an executable (no MZ header)")
endif()
read_le(60 4 pe_offset)
read_le(${pe_offset} 4 signature)
if(NOT signature EQUAL 17744)  # "PE\0\0"
  message(FATAL_ERROR "${name} has no PE header")
endif()
math(EXPR file_header "${pe_offset} + 4")
math(EXPR sections_at "${file_header} + 2")
read_le(${sections_at} 2 section_count)
math(EXPR optional_size_at "${file_header} + 16")
read_le(${optional_size_at} 2 optional_size)
math(EXPR optional_header "${file_header} + 20")
math(EXPR file_alignment_at "${optional_header} + 36")
read_le(${file_alignment_at} 4 file_alignment)
math(EXPR headers_size_at "${optional_header} + 60")
read_le(${headers_size_at} 4 headers_size)

if(NOT file_alignment EQUAL 512)
  message(FATAL_ERROR "${name} has file alignment ${file_alignment}; link it with -Wl,--file-alignment,512")
endif()
math(EXPR rest "${TARGET_SIZE} % 512")
if(NOT rest EQUAL 0)
  message(FATAL_ERROR "The required size ${TARGET_SIZE} of ${name} is not a multiple of the file alignment 512")
endif()

# One more 40-byte section header after the existing table.
math(EXPR table_end "${optional_header} + ${optional_size} + 40 * (${section_count} + 1)")
set(header_growth 0)
if(table_end GREATER headers_size)
  set(header_growth 512)
endif()

math(EXPR pad "${TARGET_SIZE} - ${unpadded_size} - ${header_growth}")
if(pad LESS 512)
  math(EXPR limit "${TARGET_SIZE} - 512 - ${header_growth}")
  message(FATAL_ERROR "${name} is ${unpadded_size} bytes without padding; it must stay at most ${limit} bytes "
                      "to be padded to exactly ${TARGET_SIZE} bytes")
endif()

set(text "/* Generated from the size of ${name} (${unpadded_size} bytes): padding to ${TARGET_SIZE} bytes. */
__asm__(\".section .pad,\\\"dr\\\"\\n\"
        \".globl brindlowen_pad\\n\"
        \"brindlowen_pad:\\n\"
        \".fill ${pad},1,0\\n\"
        \".text\\n\");
")
# Rewrite only on change, so an unchanged program does not relink.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL text)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${text}")
