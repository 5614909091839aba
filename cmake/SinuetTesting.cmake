# Helpers shared by every folder: warnings for our own targets, unit tests (native and
# under Wine) and Win32 test programs that drive the built saver.

include(${CMAKE_CURRENT_LIST_DIR}/SinuetWarnings.cmake)

if(WIN32 OR CMAKE_CROSSCOMPILING)
    # GoogleTest built from Debian's source package with the cross compiler (for Windows,
    # the posix-thread MinGW compilers).
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(SINUET_GTEST_MAIN GTest::gtest_main)
    set(SINUET_GTEST GTest::gtest)
    if(NOT TARGET GTest::gtest_main)
        add_library(GTest::gtest_main ALIAS gtest_main)
        add_library(GTest::gtest ALIAS gtest)
        add_library(GTest::gmock ALIAS gmock)
    endif()
else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
    set(SINUET_GTEST_MAIN GTest::gtest_main)
    set(SINUET_GTEST GTest::gtest)
endif()

# sinuet_unit_test(NAME SOURCES ... LIBS ...)
# A GoogleTest program of platform-free tests. Natively each case becomes a ctest test;
# in a cross build the whole program is one ctest test run under the emulator (Wine for
# Windows, qemu-user for aarch64 Linux), so the same exact cases are checked with that
# compiler, runtime and CPU.
function(sinuet_unit_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${SINUET_GTEST_MAIN})
    sinuet_warnings(${name})
    if(WIN32)
        add_test(NAME win32.${name} COMMAND ${name} --gtest_brief=1)
        set_tests_properties(win32.${name} PROPERTIES TIMEOUT 300 LABELS unit)
    elseif(CMAKE_CROSSCOMPILING)
        add_test(NAME ${CMAKE_SYSTEM_PROCESSOR}.${name} COMMAND ${name} --gtest_brief=1)
        set_tests_properties(${CMAKE_SYSTEM_PROCESSOR}.${name} PROPERTIES TIMEOUT 300 LABELS unit)
    else()
        gtest_discover_tests(${name} TEST_PREFIX "${name}." PROPERTIES LABELS unit)
    endif()
endfunction()

# sinuet_wine_test(NAME SOURCES ... [LIBS ...] [TIMEOUT seconds] [NO_TEST])
# A Win32 GoogleTest program that starts the built sinuet.scr (which sits beside it in
# bin/) and drives it through real windows, messages and the registry. Such tests share
# one desktop and one registry, so they never run in parallel. NO_TEST builds the program
# only; sinuet_wine_test_part then registers parts of it.
function(sinuet_wine_test name)
    cmake_parse_arguments(ARG "NO_TEST" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE wine_test_support ${ARG_LIBS} ${SINUET_GTEST_MAIN})
    sinuet_warnings(${name})
    add_dependencies(${name} sinuet)
    if(NOT ARG_NO_TEST)
        add_test(NAME wine.${name} COMMAND ${name} --gtest_brief=1)
        set_tests_properties(wine.${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} RUN_SERIAL TRUE
            LABELS wine)
    endif()
endfunction()

# sinuet_wine_test_part(NAME PART FILTER gtest-filter [TIMEOUT seconds] [LABELS ...])
# The cases of test program NAME that the filter selects, as the test wine.NAME.PART.
# The label win9x marks cases that need the Windows 95/98/Me family, which Wine shows
# only to 32-bit programs; the 64-bit build leaves them out.
function(sinuet_wine_test_part name part)
    cmake_parse_arguments(ARG "" "FILTER;TIMEOUT" "LABELS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    add_test(NAME wine.${name}.${part}
        COMMAND ${name} --gtest_brief=1 --gtest_filter=${ARG_FILTER})
    set_tests_properties(wine.${name}.${part} PROPERTIES TIMEOUT ${ARG_TIMEOUT} RUN_SERIAL TRUE
        LABELS "wine;${ARG_LABELS}")
endfunction()
