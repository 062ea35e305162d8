xp_fuzz_targets(
  ListItemReadData_fuzz.cpp
  LzrwBlock_fuzz.cpp
  ItemIdListSize_fuzz.cpp
  SCEditEngine_fuzz.cpp
)
xp_fuzz_targets(KeyFile_fuzz.cpp Biff_fuzz.cpp Bifc_fuzz.cpp BifV10_fuzz.cpp TwoDa_fuzz.cpp)
