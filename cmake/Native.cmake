# Host build: the Windows-free sources and their tests, under ASan and UBSan.
find_package(GTest REQUIRED)
find_package(benchmark QUIET)
find_package(ZLIB REQUIRED)

set(SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(xpcore STATIC ${NATIVE_SOURCES} ${POSIX_SOURCES})
target_include_directories(xpcore PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_compile_options(xpcore PUBLIC ${SAN_FLAGS})
target_link_options(xpcore PUBLIC ${SAN_FLAGS})
target_link_libraries(xpcore PUBLIC ZLIB::ZLIB)

# The test tools (never in the programs) over each copy of the sources.
add_library(xptesttools STATIC ${TEST_TOOL_SOURCES})
target_link_libraries(xptesttools PUBLIC xpcore)

add_executable(native_tests ${NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE xptesttools GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE XP_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
include(GoogleTest)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60)

include(cmake/Command.cmake)
add_library(xptesttools_plain STATIC ${TEST_TOOL_SOURCES})
target_compile_options(xptesttools_plain PRIVATE -O2)
target_link_libraries(xptesttools_plain PUBLIC xpcore_plain)

get_property(NATIVE_BENCHMARKS GLOBAL PROPERTY XP_NATIVE_BENCHMARKS)
if(benchmark_FOUND AND NATIVE_BENCHMARKS)
  foreach(src ${NATIVE_BENCHMARKS})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -O2)
    target_link_libraries(${name} PRIVATE xptesttools_plain benchmark::benchmark)
  endforeach()
endif()

get_property(NATIVE_TOOLS GLOBAL PROPERTY XP_NATIVE_TOOLS)
foreach(src ${NATIVE_TOOLS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE xptesttools)
endforeach()

get_property(SCRIPT_TESTS GLOBAL PROPERTY XP_SCRIPT_TESTS)
foreach(script ${SCRIPT_TESTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME ${name} COMMAND bash ${script})
  # scripts/make-game.sh takes its helper from this build, not from a folder of its own choosing.
  set_tests_properties(${name} PROPERTIES ENVIRONMENT XP_NATIVE_BUILD=${CMAKE_BINARY_DIR})
endforeach()

# The command end to end, on game folders made by scripts/make-game.sh.
add_test(NAME xptable_end_to_end COMMAND bash ${CMAKE_SOURCE_DIR}/tests/cli/xptable_test.sh $<TARGET_FILE:xptable>)
set_tests_properties(xptable_end_to_end PROPERTIES ENVIRONMENT XP_NATIVE_BUILD=${CMAKE_BINARY_DIR})

# Writers at once: 8 processes of the command, 25 tables each, on one game.
add_test(NAME xptable_race COMMAND bash ${CMAKE_SOURCE_DIR}/tests/cli/xptable_race_test.sh 8 25 native:$<TARGET_FILE:xptable>)
set_tests_properties(xptable_race PROPERTIES TIMEOUT 300)
