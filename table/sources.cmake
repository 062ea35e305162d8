xp_native_sources(XpBonusTable.cpp Templates.cpp ChoiceTexts.cpp TemplateMatch.cpp)
