xp_native_sources(
  Exceptions.cpp
  Component.cpp
  Stream.cpp
  StringList.cpp
)
xp_win_sources(
  Application.cpp
  Cp1251.cpp
)
xp_native_sources(Color.cpp Bitmap.cpp Cp1251Utf8.cpp)
xp_win_sources(
  ColorWin.cpp Gdi.cpp Font.cpp Canvas.cpp Cursors.cpp Clipboard.cpp PopupMenu.cpp
  Control.cpp WindowClass.cpp MouseEvent.cpp WinControl.cpp WinControlMessages.cpp WinControlMouse.cpp
  WinControlHints.cpp HintTip.cpp StartupMarks.cpp ProgramIcons.cpp
  Form.cpp
)
xp_win_sources(Label.cpp SpeedButton.cpp ComboBox.cpp)
xp_native_sources(GridModel.cpp)
xp_win_sources(StringGrid.cpp)
xp_native_sources(Accelerator.cpp HintText.cpp)
