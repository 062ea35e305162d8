# Windows build (mingw-w64, 32-bit): the program, the tests run under Wine, the timing harnesses.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# The manifest carries the project's version; the resources that hold it are built anew
# when it changes.
configure_file(app/app.manifest.in generated/app/app.manifest @ONLY)
set_source_files_properties(app/app.rc cli/xptable.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/app/app.manifest)

# The release is built for size, every function and datum in a section of its own so that
# the linker drops what nothing uses; the program is linked without symbols and with a map
# of what it holds (scripts/size-map.sh sums it up).
set(XP_PROGRAM_LINK_OPTIONS)
if(MSVC)
  set(CMAKE_CXX_FLAGS_RELEASE "/O1 /DNDEBUG")
  add_compile_options(/Gy /Gw)
  if(CMAKE_BUILD_TYPE STREQUAL "Release")
    set(XP_PROGRAM_LINK_OPTIONS /OPT:REF /OPT:ICF /Brepro)
  endif()
else()
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
  add_compile_options(-ffunction-sections -fdata-sections)
  set(XP_PROGRAM_LINK_OPTIONS -municode)
  if(CMAKE_BUILD_TYPE STREQUAL "Release")
    # No link time in the header: the same sources give the same program, byte for byte.
    list(APPEND XP_PROGRAM_LINK_OPTIONS -s -Wl,--gc-sections -Wl,--no-insert-timestamp
      # The default terminate handler prints the exception's demangled type to a console that
      # a windowed program does not have, and brings the demangler (46 KB) along: abort only.
      -Wl,--defsym=__ZN9__gnu_cxx27__verbose_terminate_handlerEv=_abort)
  endif()
endif()

# No shell or COM library: the program loads those when first needed (widgets/shell/ShellLibrary.h).
set(WIN_LIBS comctl32 gdi32 user32 kernel32 uxtheme)

add_library(xpwin STATIC ${NATIVE_SOURCES} ${WIN_SOURCES})
target_include_directories(xpwin PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
# CLI11 without std::filesystem: the command's files go through the project's own layer,
# which reaches paths past 260 characters; the C runtime's path functions do not.
target_compile_definitions(xpwin PUBLIC CLI11_HAS_FILESYSTEM=0)
# The command's two header-only libraries. mingw must never see /usr/include, which holds
# Linux's own C headers: it gets a folder that holds only the libraries' own folders.
if(MINGW)
  set(XP_THIRD_PARTY ${CMAKE_BINARY_DIR}/third-party)
  foreach(lib CLI nlohmann)
    if(NOT EXISTS /usr/include/${lib})
      message(FATAL_ERROR "/usr/include/${lib} is missing: run scripts/install-deps.sh")
    endif()
    file(MAKE_DIRECTORY ${XP_THIRD_PARTY})
    file(CREATE_LINK /usr/include/${lib} ${XP_THIRD_PARTY}/${lib} SYMBOLIC)
  endforeach()
  target_include_directories(xpwin SYSTEM PUBLIC ${XP_THIRD_PARTY})
else()
  find_package(CLI11 CONFIG REQUIRED)
  find_package(nlohmann_json CONFIG REQUIRED)
  target_link_libraries(xpwin PUBLIC CLI11::CLI11 nlohmann_json::nlohmann_json)
endif()
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
# Sections page-aligned in the file as well: Wine then maps the image as it stands instead
# of reading it in section by section, which took about 9 ms of the window's start.
if(MSVC)
  target_link_options(XpTableEditor PRIVATE /FILEALIGN:4096)
else()
  target_link_options(XpTableEditor PRIVATE -Wl,--file-alignment,4096)
endif()

# The companion command: a console program from the same library, with the window
# program's manifest and a version resource of its own.
get_property(CLI_WIN_MAIN GLOBAL PROPERTY XP_CLI_WIN_MAIN)
get_property(CLI_RESOURCES GLOBAL PROPERTY XP_CLI_RESOURCES)
add_executable(xptable ${CLI_WIN_MAIN} ${CLI_RESOURCES})
target_link_libraries(xptable PRIVATE xpwin)
target_link_options(xptable PRIVATE ${XP_PROGRAM_LINK_OPTIONS})
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  # Each program's map of what it holds (scripts/size-map.sh sums it up).
  foreach(program XpTableEditor xptable)
    if(MSVC)
      target_link_options(${program} PRIVATE /MAP:${CMAKE_BINARY_DIR}/${program}.map)
    else()
      target_link_options(${program} PRIVATE -Wl,-Map=${CMAKE_BINARY_DIR}/${program}.map)
    endif()
  endforeach()
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The test tools (never in the programs).
add_library(xptesttools STATIC ${TEST_TOOL_SOURCES})
target_link_libraries(xptesttools PUBLIC xpwin)

# Native-source tests compiled for Windows: the same cases on the real target.
add_executable(win_core_tests ${NATIVE_TESTS})
target_link_libraries(win_core_tests PRIVATE xptesttools gtest_main)
target_compile_definitions(win_core_tests PRIVATE XP_TEST_DATA_DIR="Z:${CMAKE_SOURCE_DIR}/tests/data")
add_test(NAME win_core_tests COMMAND win_core_tests)

if(WIN_TESTS)
  add_executable(win_gui_tests ${WIN_TESTS} ${APP_RESOURCES})
  # The tests also call the shell themselves, to check ours against it.
  target_link_libraries(win_gui_tests PRIVATE xptesttools gtest version shell32 ole32 uuid shlwapi)
  target_compile_definitions(win_gui_tests PRIVATE XP_TEST_DATA_DIR="Z:${CMAKE_SOURCE_DIR}/tests/data")
  # The end-to-end test starts the program built beside it; another reads its version resource.
  add_dependencies(win_gui_tests XpTableEditor xptable)
  add_test(NAME win_gui_tests COMMAND win_gui_tests)
  set_tests_properties(win_gui_tests PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
  # The command's version resource and manifest, read by the same cases.
  add_test(NAME win_cli_version COMMAND win_gui_tests --gtest_filter=VersionResource.*:ProgramManifest.*)
  set_tests_properties(win_cli_version PROPERTIES ENVIRONMENT "XP_PROGRAM=Z:${CMAKE_BINARY_DIR}/xptable.exe")
endif()

# The command under Wine end to end, against the native build's command on the same folders.
set(XP_NATIVE_BUILD "${CMAKE_SOURCE_DIR}/build-native" CACHE PATH "The native build folder whose xptable the Wine test compares with")
add_test(NAME xptable_wine_end_to_end
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/cli/xptable_wine_test.sh $<TARGET_FILE:xptable> ${XP_NATIVE_BUILD}/xptable)
set_tests_properties(xptable_wine_end_to_end PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
# Writers at once under Wine and natively on one game: the two builds' locks exclude each other.
add_test(NAME xptable_wine_race
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/cli/xptable_race_test.sh 4 5 wine:$<TARGET_FILE:xptable> native:${XP_NATIVE_BUILD}/xptable)
set_tests_properties(xptable_wine_race PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)

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
