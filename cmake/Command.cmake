# The companion command for Linux and other POSIX systems, from a plain, optimised copy of
# the Windows-free sources: the sanitizers are for the tests, not for players' machines.
# Included by the host build, and alone (XP_COMMAND_ONLY) for the Debian package, which
# needs neither GoogleTest nor Wine nor mingw.
find_package(ZLIB REQUIRED)
find_package(CLI11 CONFIG REQUIRED)
find_package(nlohmann_json CONFIG REQUIRED)
add_library(xpcore_plain STATIC ${NATIVE_SOURCES} ${POSIX_SOURCES})
target_include_directories(xpcore_plain PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_compile_options(xpcore_plain PRIVATE -O2)
target_link_libraries(xpcore_plain PUBLIC ZLIB::ZLIB CLI11::CLI11 nlohmann_json::nlohmann_json)

get_property(CLI_POSIX_MAIN GLOBAL PROPERTY XP_CLI_POSIX_MAIN)
add_executable(xptable ${CLI_POSIX_MAIN})
target_compile_options(xptable PRIVATE -O2)
target_link_libraries(xptable PRIVATE xpcore_plain)

include(GNUInstallDirs)
install(TARGETS xptable RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
