// Game data that cannot be read: what is wrong as a code, the file, the byte offset where
// known, and the values that go with the code, for the command to word in its language.
// what() is the English sentence (tests, fuzz targets and JSON show it). Every format
// reader raises it; nothing here needs the reading of the table itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/Paths.h"

namespace game {

// The part of a file being read when it ran out.
enum class ReadPart {
    None, KeyHeader, KeyFile, ArchiveEntries, ResourceEntries, BiffHeader, EntryTable, TableData,
    BifcHeader, BlockHeader, NameLength, SizesAfterName, ArchiveSignature, CompressedData, Table,
};

// What is wrong; the values each one fills are named after it.
enum class ReadProblem {
    PastEnd,               // part, size: the part lies past the end of a file of `size` bytes
    EndedEarly,            // part: the file gave fewer bytes than its size while reading it
    EntriesPastEnd,        // part, count, end, size: a KEY table would end past the file's end
    KeyTruncated,
    NotAKey,
    KeyTooLarge,
    ArchiveIndexTooHigh,   // index, count: the resource's archive, the archives listed
    ArchiveNamePastEnd,
    ArchiveNameEmpty,
    NameIsNetworkPath,     // name: the archive name as listed, for each refusal
    NameHasDriveLetter,
    NameIsAbsolute,
    NameHasEmptyPart,
    NameClimbsOut,
    NameHasOddCharacter,
    NameIsDevice,          // name, detail: the part that names a device
    ArchiveNotFound,       // name, tried
    NotAnArchive,
    NotABiff,
    TooManyEntries,        // count
    NoEntry,               // index, count: the file index asked for, the archive's entries
    EntryTooLarge,         // size: the entry's
    PastDecompressedEnd,   // part, size: the size the archive declares
    BlockShort,
    BlockPastEnd,
    CompressedPastEnd,     // size: the compressed data's
    StreamShort,           // end, size: the bytes the stream gave, the size declared
    ZlibStart,
    ZlibEndsEarly,
    ZlibDamaged,           // detail: zlib's own text
    TableTooLarge,
    NotAGameFolder,
    CannotOpen,            // systemError
    CannotRead,            // systemError
    NotRegularFile,
};
inline constexpr std::size_t kReadProblemCount = static_cast<std::size_t>(ReadProblem::NotRegularFile) + 1;

struct ReadValues {
    ReadPart part = ReadPart::None;
    std::uint64_t count = 0;
    std::uint64_t index = 0;
    std::uint64_t size = 0;
    std::uint64_t end = 0;
    std::string name{};         // the archive name
    std::string detail{};
    std::vector<Path> tried{};  // the folders looked in
    int systemError = 0;        // errno on POSIX, GetLastError() on Windows
};

class ReadError : public std::runtime_error {
public:
    ReadError(ReadProblem problem, Path file, std::optional<std::uint64_t> offset, ReadValues values = {});
    // The file layer's problems (CannotOpen, CannotRead, NotRegularFile): worded apart from the
    // formats', so the window, which links the file layer but not the reader, carries none of
    // the formats' sentences.
    static ReadError OfFile(ReadProblem problem, Path file, std::optional<std::uint64_t> offset, int systemError)
    {
        return ReadError(problem, std::move(file), offset, systemError);
    }

    ReadProblem Problem() const { return problem_; }
    const Path& File() const { return file_; }
    std::optional<std::uint64_t> Offset() const { return offset_; }
    const ReadValues& Values() const { return values_; }

private:
    ReadError(ReadProblem problem, Path file, std::optional<std::uint64_t> offset, int systemError);

    ReadProblem problem_;
    Path file_;
    std::optional<std::uint64_t> offset_;
    ReadValues values_;
};

}  // namespace game
