# Compiler settings shared by every target, and the helpers the folders use.

# Rebuilds of unchanged sources come from the compiler cache when one is installed.
find_program(QH_CCACHE ccache)
if(QH_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${QH_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QH_CCACHE})
endif()

# Sources are UTF-8; narrow literals become GBK bytes in the program (clang, used only
# for the fuzz targets, cannot do that and keeps UTF-8 literals).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=GBK)
endif()
add_compile_options(-Wall -Wextra -Wno-unused-parameter)
include_directories(${PROJECT_SOURCE_DIR})

if(WIN32)
  add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX)
  # Windows programs carry their runtime: nothing from the toolchain to ship beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # SSE2 doubles, so both builds round alike (no x87 extended precision).
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  if(CMAKE_CROSSCOMPILING)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        "${PROJECT_SOURCE_DIR}/tools/wine-run.sh;--prefix;${CMAKE_BINARY_DIR}/wineprefix")
  endif()
endif()

if(QH_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# qh_library(NAME DIR [LIBS ...]): a static library of every .cpp in DIR.
function(qh_library name dir)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# qh_test(NAME DIR [WINDOWS] LIBS ...): one test program of every .cpp in tests/DIR, run
# by ctest (under Wine in the Windows build). WINDOWS marks a program that shows windows
# and types into them: such programs take turns, because a window another one brings up
# takes the keyboard focus (and so ends a cell edit) in the middle of a test.
function(qh_test name dir)
  cmake_parse_arguments(ARG "WINDOWS" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gmock gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 900
                       ENVIRONMENT "ASAN_OPTIONS=allocator_may_return_null=1")
  if(ARG_WINDOWS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()

# Fuzz builds: every library is instrumented; each fuzz/fuzz_NAME.cpp becomes a target.
if(QH_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
