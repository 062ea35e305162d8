xp_native_tests(WriteChoice_test.cpp)
