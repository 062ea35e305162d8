xp_win_sources(
  SCAdvEdits.cpp
)
