xp_native_tests(WindowsRules_test.cpp Paths_test.cpp EngineReading_test.cpp TableFindings_test.cpp GameTable_test.cpp BadInput_test.cpp)
xp_native_tests(TableWriter_test.cpp JoinText_test.cpp CompressedBiff_test.cpp)
xp_win_tests(SharingRetries_test.cpp)
