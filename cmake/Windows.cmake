# Windows build (mingw-w64, 32-bit): the program, the tests run under Wine, the timing harnesses.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# The version header and the manifest carry the project's version.
configure_file(app/Version.h.in generated/app/Version.h @ONLY)
configure_file(app/app.manifest.in generated/app/app.manifest @ONLY)

# The release is built for size, every function and datum in a section of its own so that
# the linker drops what nothing uses; the program is linked without symbols and with a map
# of what it holds (scripts/size-map.sh sums it up).
set(XP_PROGRAM_LINK_OPTIONS)
if(MSVC)
  set(CMAKE_CXX_FLAGS_RELEASE "/O1 /DNDEBUG")
  add_compile_options(/Gy /Gw)
  if(CMAKE_BUILD_TYPE STREQUAL "Release")
    set(XP_PROGRAM_LINK_OPTIONS /OPT:REF /OPT:ICF /Brepro /MAP:${CMAKE_BINARY_DIR}/XpTableEditor.map)
  endif()
else()
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
  add_compile_options(-ffunction-sections -fdata-sections)
  set(XP_PROGRAM_LINK_OPTIONS -municode)
  if(CMAKE_BUILD_TYPE STREQUAL "Release")
    # No link time in the header: the same sources give the same program, byte for byte.
    list(APPEND XP_PROGRAM_LINK_OPTIONS -s -Wl,--gc-sections -Wl,--no-insert-timestamp
      -Wl,-Map=${CMAKE_BINARY_DIR}/XpTableEditor.map
      # The default terminate handler prints the exception's demangled type to a console that
      # a windowed program does not have, and brings the demangler (46 KB) along: abort only.
      -Wl,--defsym=__ZN9__gnu_cxx27__verbose_terminate_handlerEv=_abort)
  endif()
endif()

# No shell or COM library: the program loads those when first needed (widgets/shell/ShellLibrary.h).
set(WIN_LIBS comctl32 gdi32 user32 kernel32 uxtheme)

add_library(xpwin STATIC ${NATIVE_SOURCES} ${WIN_SOURCES})
target_include_directories(xpwin PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
# zlib linked statically. With mingw the static library is taken by path, because
# find_package(ZLIB) picks the DLL import library, which would need zlib1.dll.
if(MINGW)
  find_file(XP_ZLIB libz.a PATHS /usr/i686-w64-mingw32/lib NO_DEFAULT_PATH REQUIRED)
else()
  find_package(ZLIB REQUIRED)
  set(XP_ZLIB ZLIB::ZLIB)
endif()
target_link_libraries(xpwin PUBLIC ${WIN_LIBS} ${XP_ZLIB})

get_property(APP_MAIN GLOBAL PROPERTY XP_APP_MAIN)
get_property(APP_RESOURCES GLOBAL PROPERTY XP_APP_RESOURCES)
add_executable(XpTableEditor WIN32 ${APP_MAIN} ${APP_RESOURCES})
target_link_libraries(XpTableEditor PRIVATE xpwin)
target_link_options(XpTableEditor PRIVATE ${XP_PROGRAM_LINK_OPTIONS})

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Native-source tests compiled for Windows: the same cases on the real target.
add_executable(win_core_tests ${NATIVE_TESTS})
target_link_libraries(win_core_tests PRIVATE xpwin gtest_main)
target_compile_definitions(win_core_tests PRIVATE XP_TEST_DATA_DIR="Z:${CMAKE_SOURCE_DIR}/tests/data")
add_test(NAME win_core_tests COMMAND win_core_tests)

if(WIN_TESTS)
  add_executable(win_gui_tests ${WIN_TESTS} ${APP_RESOURCES})
  # The tests also call the shell themselves, to check ours against it.
  target_link_libraries(win_gui_tests PRIVATE xpwin gtest version shell32 ole32 uuid shlwapi)
  target_compile_definitions(win_gui_tests PRIVATE XP_TEST_DATA_DIR="Z:${CMAKE_SOURCE_DIR}/tests/data")
  # The end-to-end test starts the program built beside it; another reads its version resource.
  add_dependencies(win_gui_tests XpTableEditor)
  add_test(NAME win_gui_tests COMMAND win_gui_tests)
  set_tests_properties(win_gui_tests PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
endif()

# Timing harnesses (console programs) and the windowed programs they time.
get_property(WIN_BENCHMARKS GLOBAL PROPERTY XP_WIN_BENCHMARKS)
foreach(src ${WIN_BENCHMARKS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE xpwin)
  if(MINGW)
    target_link_options(${name} PRIVATE -municode)
  endif()
endforeach()
get_property(WIN_BENCH_WINDOWS GLOBAL PROPERTY XP_WIN_BENCH_WINDOWS)
foreach(src ${WIN_BENCH_WINDOWS})
  get_filename_component(name ${src} NAME_WE)
  get_filename_component(dir ${src} DIRECTORY)
  set(resources)
  if(EXISTS ${dir}/${name}.rc)
    set(resources ${dir}/${name}.rc)
  endif()
  add_executable(${name} WIN32 ${src} ${resources})
  target_link_libraries(${name} PRIVATE xpwin)
  if(MINGW)
    target_link_options(${name} PRIVATE -municode)
  endif()
endforeach()
