xp_native_tests(CliOutput_test.cpp Command_test.cpp)
