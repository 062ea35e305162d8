xp_win_sources(
  XpBonusWriter.cpp
  Glyphs.cpp
  Unit1.cpp
  Unit2.cpp
)
xp_app_main(main.cpp)
xp_native_sources(TemplateStore.cpp)
xp_native_sources(ContainerTemplates.cpp)
xp_app_resources(app.rc version.rc)
