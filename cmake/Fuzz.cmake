# clang build: libFuzzer targets over the Windows-free sources. Optimised, as libFuzzer wants
# it, whatever the build type: -O2 with the sanitizers and debug information. UBSan's checks
# swell std::string's accessors past the inliner's default limit, so every s[i] would be a
# call: a higher limit inlines them again (all checks stay). The standard library's own
# functions are left out of coverage tracing only: see fuzz-coverage-ignore.txt.
set(FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g -O2
    -fsanitize-coverage-ignorelist=${CMAKE_SOURCE_DIR}/cmake/fuzz-coverage-ignore.txt
    "SHELL:-mllvm -inline-threshold=300")
add_library(xpcore_fuzz STATIC ${NATIVE_SOURCES} ${POSIX_SOURCES})
target_include_directories(xpcore_fuzz PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_compile_options(xpcore_fuzz PUBLIC ${FUZZ_FLAGS})
find_package(ZLIB REQUIRED)
target_link_libraries(xpcore_fuzz PUBLIC ZLIB::ZLIB)
add_library(xptesttools_fuzz STATIC ${TEST_TOOL_SOURCES})
target_link_libraries(xptesttools_fuzz PUBLIC xpcore_fuzz)

get_property(FUZZ_TARGETS GLOBAL PROPERTY XP_FUZZ_TARGETS)
set(XP_FUZZ_SECONDS 30 CACHE STRING "Seconds each fuzz target runs in the test command")
foreach(src ${FUZZ_TARGETS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE xptesttools_fuzz)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  # Kept crash inputs live beside the target as <name>.corpus/ and are replayed first.
  get_filename_component(dir ${src} DIRECTORY)
  set(corpus "${dir}/${name}.corpus")
  set(work "${CMAKE_BINARY_DIR}/${name}.work")
  file(MAKE_DIRECTORY ${work})
  set(seeds)
  if(EXISTS ${corpus})
    add_test(NAME ${name}_regressions COMMAND ${name} -runs=0 ${corpus})
    set(seeds ${corpus})
  endif()
  # New inputs go to the work folder only; the kept corpus seeds the run and stays as it is.
  add_test(NAME ${name} COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/fuzz-target.sh $<TARGET_FILE:${name}>
           ${XP_FUZZ_SECONDS} ${CMAKE_BINARY_DIR}/${name}.summary ${work} ${seeds})
endforeach()
