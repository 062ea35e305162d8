xp_native_tests(
  LMDLzrw_test.cpp
  LMDStringList_test.cpp
  LMDCustomContainer_test.cpp
)
xp_native_tests(
  LMDGradientMath_test.cpp
  LMDGradientBands_test.cpp
  LMDSubObjects_test.cpp
)
xp_win_tests(LMDGradientPaint_test.cpp)
xp_native_tests(LMDLabelRules_test.cpp)
xp_win_tests(LMDLabelFill_test.cpp LMDCanvasPixels_test.cpp)
