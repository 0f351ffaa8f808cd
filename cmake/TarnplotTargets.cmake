# Shared compile settings and the helpers that declare the project's targets.

# Geometry must round exactly as written: no fused multiply-add contraction, no fast-math.
set(TARNPLOT_COMMON_OPTIONS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -ffp-contract=off -fno-fast-math)
# GCC 12 reports false -Wrestrict overlaps inside std::string concatenation (its bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND TARNPLOT_COMMON_OPTIONS -Wno-restrict)
endif()
if(TARNPLOT_WERROR)
  list(APPEND TARNPLOT_COMMON_OPTIONS -Werror)
endif()
if(TARNPLOT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# tarnplot_add_library(name [QT] DEPS ...): one library per source folder, built from its files.
function(tarnplot_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    # A layer that is still headers only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${TARNPLOT_COMMON_OPTIONS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# tarnplot_add_test(module DEPS ...): one GoogleTest executable for a test folder.
function(tarnplot_add_test module)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target test_${module})
  add_executable(${target} ${sources})
  target_compile_options(${target} PRIVATE ${TARNPLOT_COMMON_OPTIONS})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} tarnplot_testsupport GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE
      TARNPLOT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      TARNPLOT_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${module})
endfunction()
