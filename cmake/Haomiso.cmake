# Shared build settings and helper functions.

if(WIN32)
  set(HAOMISO_WINDOWS ON)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # One .exe plus Code.BM is the whole installation.
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  set(HAOMISO_WINDOWS OFF)
endif()

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra)
endif()

if(HAOMISO_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The folder the Windows harness and every other script share.
set(HAOMISO_SCRIPTS ${CMAKE_SOURCE_DIR}/scripts)

if(CMAKE_CROSSCOMPILING AND WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  # ctest runs Windows test programs through the Wine harness.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HAOMISO_SCRIPTS}/wine-run --build-dir ${CMAKE_BINARY_DIR})
endif()

# Command-line tools needed at build time (lookup-database builder, skin
# packer). A native build uses its own targets; the cross builds build them
# once more for the host, in one folder they share (the two cross builds
# run one after the other, never at once).
set(HAOMISO_HOST_BUILD_DIR ${CMAKE_SOURCE_DIR}/build/host CACHE PATH
    "Where cross builds build the command-line tools they run")
function(haomiso_host_tool var name)
  if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    if(NOT TARGET haomiso_host_tools)
      set(host_dir ${HAOMISO_HOST_BUILD_DIR})
      ExternalProject_Add(haomiso_host_tools
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${host_dir}
        CMAKE_ARGS -G Ninja -DCMAKE_BUILD_TYPE=Release -DHAOMISO_TOOLS_ONLY=ON -DHAOMISO_TESTS=OFF
                   -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        USES_TERMINAL_BUILD ON)
      set_property(GLOBAL PROPERTY HAOMISO_HOST_DIR ${host_dir})
    endif()
    get_property(host_dir GLOBAL PROPERTY HAOMISO_HOST_DIR)
    set(${var} ${host_dir}/tools/${name}/${name} PARENT_SCOPE)
    set(${var}_DEPENDS haomiso_host_tools PARENT_SCOPE)
  else()
    set(${var} $<TARGET_FILE:${name}> PARENT_SCOPE)
    set(${var}_DEPENDS ${name} PARENT_SCOPE)
  endif()
endfunction()

# haomiso_test(NAME SOURCES ... LIBS ... [DESKTOP] [TIMEOUT s])
# One test program, one ctest entry. DESKTOP marks tests that create windows
# and take the focus: they must not run at the same time as each other, as
# they share one (virtual) desktop and its foreground window.
function(haomiso_test name)
  cmake_parse_arguments(T "DESKTOP" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(TARGET haomiso_test_pch)
    target_precompile_headers(${name} REUSE_FROM haomiso_test_pch)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_DESKTOP)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()
