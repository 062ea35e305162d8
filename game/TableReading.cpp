#include "game/TableReading.h"

#include "game/ArchiveLocator.h"
#include "game/Biff.h"
#include "game/CompressedBiff.h"
#include "game/FileSystem.h"
#include "game/EngineTable.h"
#include "game/Limits.h"
#include "game/KeyFile.h"
#include "game/Spellings.h"
#include "game/TableFindings.h"
#include "table/TemplateMatch.h"
#include "game/TwoDaText.h"

namespace game {

TableReading ReadTableBytes(std::string_view bytes, TableSource source)
{
    TwoDaText table = ParseTwoDa(bytes);
    TableReading reading;
    reading.source = std::move(source);
    reading.cap = LevelCap(table);
    reading.defaultText = std::string(table.defaultText);
    reading.defaultValue = DefaultValue(table);
    for (int row = 0; row < int(kTableRows); ++row) {
        ActivityReading& a = reading.activities[row];
        a.activity = static_cast<Activity>(row);
        a.row = row;
        if (std::size_t(row) < table.rows.size())
            a.label = std::string(table.rows[row].label);
        a.levels = EngineLevels(table, std::size_t(row));
        a.templateChoice = app::MatchTemplate(a.activity, a.levels);
    }
    reading.laterRows.reserve(table.rows.size() > kTableRows ? table.rows.size() - kTableRows : 0);
    for (std::size_t row = kTableRows; row < table.rows.size(); ++row)
        reading.laterRows.emplace_back(table.rows[row].label);
    reading.findings = TableFindings(table);
    return reading;
}

namespace {

std::string ReadWholeTable(FileSystem& files, const Path& path)
{
    std::unique_ptr<ByteSource> file = files.OpenForReading(path);
    if (file->Size() > kMaxTableSize)
        throw ReadError(ReadProblem::TableTooLarge, path, std::nullopt);
    std::string bytes(static_cast<std::size_t>(file->Size()), '\0');
    ReadExact(*file, 0, bytes.data(), bytes.size(), ReadPart::Table);
    return bytes;
}

// The override table's spellings: every case of the folder and of the file name.
std::vector<Path> OverrideSpellings(FileSystem& files, const Path& gameFolder)
{
    std::vector<Path> found;
    for (const Path& folder : FindSpellings(files, gameFolder, kOverrideFolderName))
        for (const Path& file : FindSpellings(files, folder, kTableFileName))
            found.push_back(file);
    return found;
}

TableReading NoTable(const Path& key)
{
    TableReading reading = ReadTableBytes("", {SourceKind::None, key, {}, Compression::None});
    reading.findings = {MissingTableFinding()};
    return reading;
}

std::string ArchiveEntry(const ByteSource& archive, std::uint32_t locator, Compression& compression)
{
    ArchiveForm form = SniffArchive(archive);
    std::vector<unsigned char> data = ReadBiffEntry(*OpenArchive(archive, form), locator);
    compression = form == ArchiveForm::Bifc ? Compression::Bifc
                  : form == ArchiveForm::BifV10 ? Compression::Bif : Compression::None;
    return std::string(data.begin(), data.end());
}

TableReading ReadFromKey(FileSystem& files, const Path& gameFolder, const Path& keyPath)
{
    std::optional<KeyEntry> entry = FindInKey(*files.OpenForReading(keyPath), "XPBONUS", kTwoDaType);
    if (!entry)
        return NoTable(keyPath);
    std::vector<std::string> parts = SafeArchiveParts(entry->archiveName, keyPath, entry->archiveNameOffset);
    ArchiveSearch search = LocateArchive(files, gameFolder, parts);
    if (!search.found)
        throw ReadError(ReadProblem::ArchiveNotFound, keyPath, entry->archiveNameOffset,
                        {.name = entry->archiveName, .tried = search.tried});
    std::unique_ptr<ByteSource> archive = files.OpenForReading(*search.found);
    TableSource source{SourceKind::Archive, keyPath, *search.found, Compression::None};
    std::string bytes = ArchiveEntry(*archive, entry->locator, source.compression);
    return ReadTableBytes(bytes, source);
}

}  // namespace

TableReading ReadTableFile(const Path& file, FileSystem& files)
{
    return ReadTableBytes(ReadWholeTable(files, file), {SourceKind::File, file, {}, Compression::None});
}

TableReading ReadGameTable(const Path& gameFolder, FileSystem& files)
{
    std::vector<Path> spellings = OverrideSpellings(files, gameFolder);
    if (!spellings.empty()) {
        Path exact = gameFolder / kOverrideFolderName / kTableFileName;
        Path chosen = spellings.front();
        for (const Path& p : spellings)
            if (p == exact)
                chosen = p;
        TableReading reading =
            ReadTableBytes(ReadWholeTable(files, chosen), {SourceKind::Override, chosen, {}, Compression::None});
        if (spellings.size() > 1)
            reading.findings.insert(reading.findings.begin(), CaseDuplicatesFinding(spellings, chosen));
        return reading;
    }
    std::vector<Path> keys = FindSpellings(files, gameFolder, kKeyFileName);
    if (keys.empty())
        throw ReadError(ReadProblem::NotAGameFolder, gameFolder, std::nullopt);
    return ReadFromKey(files, gameFolder, keys.front());
}

}  // namespace game
