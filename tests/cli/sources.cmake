xp_native_tests(WriteChoice_test.cpp)
xp_win_tests(WindowBytes_test.cpp)
