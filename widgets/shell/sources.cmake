xp_win_sources(
  ElFolderDlg.cpp
)
