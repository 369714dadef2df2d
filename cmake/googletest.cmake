# GoogleTest from its sources (Debian's googletest package puts them in /usr/src/googletest),
# built by whichever compiler builds the game.
set(TROVEL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest source tree")
if(NOT EXISTS ${TROVEL_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${TROVEL_GTEST_SOURCE_DIR}: "
                        "install Debian's googletest package or set TROVEL_GTEST_SOURCE_DIR")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${TROVEL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# A GoogleTest program as CTest tests: one test per case by default, each in a process of its own;
# or, with TROVEL_TEST_CASES_SEPARATELY off, the whole program as one test. Where every program
# start costs seconds (32-bit Wine under user-mode emulation), the whole program in one process
# runs every case in a fraction of the time, and a failing case still names itself in the output.
option(TROVEL_TEST_CASES_SEPARATELY "One CTest test per GoogleTest case, not per program" ON)
function(trovel_add_gtest target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PROPERTIES")
    if(TROVEL_TEST_CASES_SEPARATELY)
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                             PROPERTIES ${arg_PROPERTIES})
    else()
        add_test(NAME ${target} COMMAND ${target})
        if(arg_PROPERTIES)
            set_tests_properties(${target} PROPERTIES ${arg_PROPERTIES})
        endif()
    endif()
endfunction()
