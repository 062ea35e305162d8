#include "game/ReadErrorEnglish.h"

namespace game {

namespace {

std::string PartText(ReadPart part)
{
    switch (part) {
    case ReadPart::None: break;
    case ReadPart::KeyHeader: return "the KEY header";
    case ReadPart::KeyFile: return "the KEY file";
    case ReadPart::ArchiveEntries: return "archive entries";
    case ReadPart::ResourceEntries: return "resource entries";
    case ReadPart::BiffHeader: return "the BIFF header";
    case ReadPart::EntryTable: return "the entry table";
    case ReadPart::TableData: return "the table's data";
    case ReadPart::BifcHeader: return "the BIFC header";
    case ReadPart::BlockHeader: return "a block header (the archive ends before its declared size)";
    case ReadPart::NameLength: return "the name length";
    case ReadPart::SizesAfterName: return "the sizes after the name";
    case ReadPart::ArchiveSignature: return "the archive's signature";
    case ReadPart::CompressedData: return "the compressed data";
    case ReadPart::Table: return "the table";
    }
    return "the data";
}

std::string Refused(const ReadValues& v, const std::string& why)
{
    return "the archive name \"" + v.name + "\" is refused: " + why;
}

std::string Tried(const ReadValues& v)
{
    std::string tried;
    for (const Path& p : v.tried)
        tried += (tried.empty() ? "" : ", ") + ToUtf8(p);
    return tried;
}

}  // namespace

std::string EnglishReason(ReadProblem problem, std::optional<std::uint64_t> offset, const ReadValues& v)
{
    auto n = [](std::uint64_t value) { return std::to_string(value); };
    switch (problem) {
    case ReadProblem::PastEnd: return PartText(v.part) + " lies past the end of the file (" + n(v.size) + " bytes)";
    case ReadProblem::EndedEarly: return "the file ended early while reading " + PartText(v.part);
    case ReadProblem::EntriesPastEnd:
        return n(v.count) + " " + PartText(v.part) + " would end at byte " + n(v.end) +
               ", past the end of the file (" + n(v.size) + " bytes)";
    case ReadProblem::KeyTruncated: return "truncated header: a KEY file starts with 24 bytes";
    case ReadProblem::NotAKey: return "not a KEY V1 file (no \"KEY V1\" signature)";
    case ReadProblem::KeyTooLarge: return "too large: a KEY file over 64 MiB is not read";
    case ReadProblem::ArchiveIndexTooHigh:
        return "the resource names archive " + n(v.index) + ", but the KEY lists " + n(v.count) + " archives";
    case ReadProblem::ArchiveNamePastEnd: return "the archive name lies past the end of the file";
    case ReadProblem::ArchiveNameEmpty: return "the archive name is empty";
    case ReadProblem::NameIsNetworkPath: return Refused(v, "it is a network or device path");
    case ReadProblem::NameHasDriveLetter: return Refused(v, "it starts with a drive letter");
    case ReadProblem::NameIsAbsolute: return Refused(v, "it is an absolute path");
    case ReadProblem::NameHasEmptyPart: return Refused(v, "it has an empty part");
    case ReadProblem::NameClimbsOut: return Refused(v, "it climbs out of the game folder with \"..\"");
    case ReadProblem::NameHasOddCharacter: return Refused(v, "it holds a character no file name of the game uses");
    case ReadProblem::NameIsDevice: return Refused(v, "\"" + v.detail + "\" is a device name");
    case ReadProblem::ArchiveNotFound:
        return "the archive \"" + v.name + "\" is in none of the folders tried: " + Tried(v);
    case ReadProblem::NotAnArchive: return "not an archive: the file starts with none of BIFF V1, BIFC V1.0, BIF V1.0";
    case ReadProblem::NotABiff: return "not a BIFF V1 archive (no \"BIFFV1\" signature)";
    case ReadProblem::TooManyEntries:
        return "too large: the archive claims " + n(v.count) + " entries, more than 1,000,000";
    case ReadProblem::NoEntry:
        return "no entry with file index " + n(v.index) + " among the archive's " + n(v.count) + " entries";
    case ReadProblem::EntryTooLarge:
        return "too large: the table's entry holds " + n(v.size) + " bytes, more than 1 MiB";
    case ReadProblem::PastDecompressedEnd:
        return PartText(v.part) + " lies past the end of the decompressed archive (" + n(v.size) +
               " bytes declared; offset " + n(offset.value_or(0)) + " is in the decompressed data)";
    case ReadProblem::BlockShort: return "the block gives fewer bytes than its header says";
    case ReadProblem::BlockPastEnd: return "the block's compressed data lies past the end of the file";
    case ReadProblem::CompressedPastEnd:
        return "the compressed data (" + n(v.size) + " bytes) lies past the end of the file";
    case ReadProblem::StreamShort:
        return "the zlib stream ends after " + n(v.end) + " bytes, before the declared " + n(v.size);
    case ReadProblem::ZlibStart: return "zlib could not start";
    case ReadProblem::ZlibEndsEarly: return "the zlib stream ends early";
    case ReadProblem::ZlibDamaged: return "damaged zlib data: " + v.detail;
    case ReadProblem::TableTooLarge: return "too large: a table over 1 MiB is not read";
    case ReadProblem::NotAGameFolder: return "not a game folder: it has neither chitin.key nor override/xpbonus.2da";
    case ReadProblem::CannotOpen:
    case ReadProblem::CannotRead:
    case ReadProblem::NotRegularFile: break;
    }
    return EnglishFileReason(problem, v.systemError);
}

ReadError::ReadError(ReadProblem problem, Path file, std::optional<std::uint64_t> offset, ReadValues values)
    : std::runtime_error(EnglishPlace(file, offset) + EnglishReason(problem, offset, values)),
      problem_(problem),
      file_(std::move(file)),
      offset_(offset),
      values_(std::move(values))
{
}

}  // namespace game
