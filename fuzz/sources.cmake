xp_fuzz_targets(
  ListItemReadData_fuzz.cpp
  LzrwBlock_fuzz.cpp
  ItemIdListSize_fuzz.cpp
  SCEditEngine_fuzz.cpp
)
