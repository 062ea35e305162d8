xp_native_sources(Paths.cpp)
