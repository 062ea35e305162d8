xp_native_sources(Paths.cpp)
xp_native_sources(TableBackups.cpp TableWriter.cpp)
xp_posix_sources(OutputFilesPosix.cpp)
xp_win_sources(OutputFilesWin32.cpp)
