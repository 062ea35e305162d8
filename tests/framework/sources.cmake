xp_native_tests(
  Exceptions_test.cpp
  Component_test.cpp
)
xp_win_tests(
  gui_test_main.cpp
  BoxWatcher.cpp
  FailureBox_test.cpp
)
xp_native_tests(Stream_test.cpp StringList_test.cpp)
xp_win_tests(GuiTestUtil.cpp InModalLoop.cpp Form_test.cpp)
xp_win_tests(StringGrid_test.cpp)
xp_win_tests(Controls_test.cpp)
xp_native_tests(GridModel_test.cpp Color_test.cpp)
xp_win_tests(Resources_test.cpp)
xp_win_tests(ControlBase_test.cpp Routing_test.cpp)
xp_native_tests(Accelerator_test.cpp Cp1251Utf8_test.cpp)
