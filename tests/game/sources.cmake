xp_native_tests(Paths_test.cpp)
