xp_native_tests(
  SCEditEngine_test.cpp
  SCEditUndo_test.cpp
)
