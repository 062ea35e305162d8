# The writer of test game folders, shared by the tests, the benchmark, the fuzz targets and
# scripts/make-game.sh; never part of the product.
xp_test_tool_sources(ArchiveWriter.cpp)
xp_native_tools(make_game.cpp)
