xp_native_tests(
  LMDLzrw_test.cpp
  LMDStringList_test.cpp
  LMDCustomContainer_test.cpp
)
