xp_native_tests(CliOutput_test.cpp Command_test.cpp WriteChoice_test.cpp)
xp_win_tests(WindowBytes_test.cpp)
