# Host build: the Windows-free sources and their tests, under ASan and UBSan.
find_package(GTest REQUIRED)
find_package(benchmark QUIET)
find_package(ZLIB REQUIRED)

set(SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(xpcore STATIC ${NATIVE_SOURCES} ${POSIX_SOURCES})
target_include_directories(xpcore PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(xpcore PUBLIC ${SAN_FLAGS})
target_link_options(xpcore PUBLIC ${SAN_FLAGS})
target_link_libraries(xpcore PUBLIC ZLIB::ZLIB)

add_executable(native_tests ${NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE xpcore GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE XP_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
include(GoogleTest)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60)

# Benchmarks are built without sanitizers so their figures mean something.
get_property(NATIVE_BENCHMARKS GLOBAL PROPERTY XP_NATIVE_BENCHMARKS)
if(benchmark_FOUND AND NATIVE_BENCHMARKS)
  add_library(xpcore_bench STATIC ${NATIVE_SOURCES} ${POSIX_SOURCES})
  target_include_directories(xpcore_bench PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(xpcore_bench PRIVATE -O2)
  target_link_libraries(xpcore_bench PUBLIC ZLIB::ZLIB)
  foreach(src ${NATIVE_BENCHMARKS})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -O2)
    target_link_libraries(${name} PRIVATE xpcore_bench benchmark::benchmark)
  endforeach()
endif()

get_property(SCRIPT_TESTS GLOBAL PROPERTY XP_SCRIPT_TESTS)
foreach(script ${SCRIPT_TESTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME ${name} COMMAND bash ${script})
endforeach()
