xp_native_tests(Paths_test.cpp)
xp_native_tests(TableWriter_test.cpp)
