# The program file's resources (icon, version information, manifest), included at the end of
# app/CMakeLists.txt. The .rc file is UTF-8; windres reads it with code page 65001 so that the
# Chinese version strings come out exactly. The icon and manifest are found on the include path.
set(BRINDLOWEN_RC ${CMAKE_CURRENT_LIST_DIR}/wizard.rc)
set_source_files_properties(${BRINDLOWEN_RC} PROPERTIES
  COMPILE_OPTIONS "--codepage=65001"
  INCLUDE_DIRECTORIES "${CMAKE_CURRENT_LIST_DIR};${PROJECT_SOURCE_DIR}/pages/art"
  OBJECT_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/wizard.manifest;${PROJECT_SOURCE_DIR}/pages/art/program.ico")
target_sources(BrindlowenSetup PRIVATE ${BRINDLOWEN_RC})
