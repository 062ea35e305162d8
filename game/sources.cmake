xp_native_sources(Paths.cpp ReadError.cpp ReadErrorEnglish.cpp ByteSource.cpp KeyFile.cpp Biff.cpp Inflater.cpp
                  CompressedBiff.cpp ArchiveLocator.cpp TwoDaText.cpp EngineNumber.cpp EngineTable.cpp TableFindings.cpp TableReading.cpp
                  JoinText.cpp)
xp_native_sources(Spellings.cpp TableBackups.cpp TableWriter.cpp WindowsEntryKind.cpp WindowsPathForm.cpp
                  WriterLock.cpp)
xp_posix_sources(FileSystemPosix.cpp)
xp_win_sources(FileSystemWin32.cpp)
