xp_native_tests(XpBonusTable_test.cpp Templates_test.cpp)
