xp_native_tests(Paths_test.cpp EngineReading_test.cpp TableFindings_test.cpp GameTable_test.cpp BadInput_test.cpp)
