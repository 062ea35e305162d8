xp_native_sources(
  LMDCustomComponent.cpp
  LMDCustomContainer.cpp
  LMDStringList.cpp
  LMDLzrw.cpp
)
