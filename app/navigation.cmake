# Page navigation handlers (included from app/CMakeLists.txt), and the handlers of the program:
# navigation here, the install, progress and finish steps from install/.
add_library(brindlowen_navigation STATIC ${CMAKE_CURRENT_LIST_DIR}/navigation.cpp)
target_include_directories(brindlowen_navigation PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(brindlowen_navigation PUBLIC brindlowen_options brindlowen_path_text brindlowen_gui brindlowen_host)
target_link_libraries(BrindlowenSetup PRIVATE brindlowen_navigation brindlowen_install)
