xp_native_sources(
  XpBonusTable.cpp
  Templates.cpp
)
xp_win_sources(
  XpBonusWriter.cpp
)
xp_app_main(main.cpp)
