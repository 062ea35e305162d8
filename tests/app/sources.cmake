xp_win_tests(
  XpBonusWriter_test.cpp
)
xp_native_tests(TemplateStore_test.cpp)
xp_win_tests(Unit1_test.cpp Unit2_test.cpp EndToEnd_test.cpp AboutTitle_test.cpp InterfaceFonts_test.cpp)
xp_win_tests(VersionResource_test.cpp ProgramPath.cpp StartLibraries_test.cpp)
xp_native_tests(ContainerTemplates_test.cpp)
