xp_native_tests(CliOutput_test.cpp Command_test.cpp ReadErrorText_test.cpp SystemErrorText_test.cpp WriteChoice_test.cpp)
xp_win_tests(HeldTable_test.cpp WindowBytes_test.cpp)
