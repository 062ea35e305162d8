# Helpers used by the sources.cmake files. Paths are relative to the listing folder.
function(_xp_append prop)
  set(files)
  foreach(f ${ARGN})
    list(APPEND files "${XP_DIR}/${f}")
  endforeach()
  set_property(GLOBAL APPEND PROPERTY ${prop} ${files})
endfunction()

# Product sources without <windows.h>: built natively and for Windows.
function(xp_native_sources)
  _xp_append(XP_NATIVE_SOURCES ${ARGN})
endfunction()
# Product sources that need the Windows API.
function(xp_win_sources)
  _xp_append(XP_WIN_SOURCES ${ARGN})
endfunction()
# Tests of native sources: run natively (sanitizers) and under Wine.
function(xp_native_tests)
  _xp_append(XP_NATIVE_TESTS ${ARGN})
endfunction()
# Tests that need Windows: run under Wine only.
function(xp_win_tests)
  _xp_append(XP_WIN_TESTS ${ARGN})
endfunction()
# Native Google Benchmark sources (one executable each).
function(xp_native_benchmarks)
  _xp_append(XP_NATIVE_BENCHMARKS ${ARGN})
endfunction()
# Windowed programs that the timing harnesses start (one executable each).
function(xp_win_bench_windows)
  _xp_append(XP_WIN_BENCH_WINDOWS ${ARGN})
endfunction()
# Timing harnesses run under Wine (console programs, one executable each).
function(xp_win_benchmarks)
  _xp_append(XP_WIN_BENCHMARKS ${ARGN})
endfunction()
# libFuzzer targets (one executable each), built in the clang folder.
function(xp_fuzz_targets)
  _xp_append(XP_FUZZ_TARGETS ${ARGN})
endfunction()
# The program's entry point and resources (not part of the library, so tests can link it).
function(xp_app_main)
  _xp_append(XP_APP_MAIN ${ARGN})
endfunction()
function(xp_app_resources)
  _xp_append(XP_APP_RESOURCES ${ARGN})
endfunction()
# Shell-script tests: run by the host build's CTest (they need no build product).
function(xp_script_tests)
  _xp_append(XP_SCRIPT_TESTS ${ARGN})
endfunction()
# Product sources for POSIX systems only (the counterparts of Win32 sources in
# xp_win_sources): built natively, never for Windows.
function(xp_posix_sources)
  _xp_append(XP_POSIX_SOURCES ${ARGN})
endfunction()
# The companion command's entry points: one for POSIX systems, one for Windows (wmain).
function(xp_cli_posix_main)
  _xp_append(XP_CLI_POSIX_MAIN ${ARGN})
endfunction()
function(xp_cli_win_main)
  _xp_append(XP_CLI_WIN_MAIN ${ARGN})
endfunction()
function(xp_cli_resources)
  _xp_append(XP_CLI_RESOURCES ${ARGN})
endfunction()
# Windows-free helpers of the tests, benchmarks and fuzz targets (a library of their own in
# each build, never linked into the programs).
function(xp_test_tool_sources)
  _xp_append(XP_TEST_TOOL_SOURCES ${ARGN})
endfunction()
# Small native command-line helpers for the scripts (one executable each, host build only).
function(xp_native_tools)
  _xp_append(XP_NATIVE_TOOLS ${ARGN})
endfunction()
