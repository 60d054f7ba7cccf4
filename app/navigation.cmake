# Page navigation handlers (included from app/CMakeLists.txt).
add_library(brindlowen_navigation STATIC ${CMAKE_CURRENT_LIST_DIR}/navigation.cpp)
target_include_directories(brindlowen_navigation PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(brindlowen_navigation PUBLIC brindlowen_options brindlowen_path_text)
