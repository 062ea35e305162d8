xp_native_sources(WriteChoice.cpp)
