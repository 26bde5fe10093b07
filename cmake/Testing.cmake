# GoogleTest from Debian's sources for both builds, and the Wine test bench for the Windows one.
enable_testing()
if(WIN32)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(WIN32)
  set(WINE_BENCH_DIR ${CMAKE_BINARY_DIR}/wine)
  set(WINE_BENCH ${CMAKE_SOURCE_DIR}/tests/support/wine-bench)
  # CTest runs every Windows test binary through Wine on the bench's display and prefix.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_BENCH} run ${WINE_BENCH_DIR})
endif()

# A test that needs Wine: started after the bench is up, bounded in time.
function(add_wine_test name)
  cmake_parse_arguments(arg "" "TIMEOUT" "COMMAND;LOCKS" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${arg_COMMAND})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_bench TIMEOUT ${arg_TIMEOUT} RESOURCE_LOCK "wine_desktop;${arg_LOCKS}")
endfunction()
