xp_native_sources(
  Exceptions.cpp
  Component.cpp
)
xp_win_sources(
)
