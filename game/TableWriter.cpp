#include "game/TableWriter.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace game {

namespace {

using files::EntryKind;

constexpr char kOverrideName[] = "override";
constexpr char kTableName[] = "xpbonus.2da";

std::tm LocalNow()
{
    std::time_t now = std::time(nullptr);
    std::tm time{};
#ifdef _WIN32
    localtime_s(&time, &now);
#else
    localtime_r(&now, &time);
#endif
    return time;
}

void Step(const WriteOptions& options, WriteStep step)
{
    if (options.beforeStep)
        options.beforeStep(step);
}

// What a failed write made, removed again unless the write went through.
class Leftovers {
public:
    Leftovers() = default;
    Leftovers(const Leftovers&) = delete;
    Leftovers& operator=(const Leftovers&) = delete;
    ~Leftovers()
    {
        for (auto it = paths_.rbegin(); it != paths_.rend(); ++it)
            files::Discard(*it);
    }
    void Add(Path path) { paths_.push_back(std::move(path)); }
    void Keep() { paths_.clear(); }

private:
    std::vector<Path> paths_;
};

// Creates the folder and every missing one above it, outermost first. A failure is left
// for the step that needs the folder to report.
void CreateMissingFolders(const Path& folder)
{
    std::vector<Path> missing;
    try {
        for (Path p = folder; !p.empty() && files::KindOf(p) == EntryKind::Missing; p = p.parent_path()) {
            missing.push_back(p);
            if (p.parent_path() == p)
                break;
        }
        for (auto it = missing.rbegin(); it != missing.rend(); ++it)
            files::CreateFolder(*it);
    } catch (const fw::EInOutError&) {
    }
}

// Something other than a folder where a folder must be: the platform reports a path that
// cannot be followed. Nothing is written through a link, which could lead anywhere.
void RequireFolder(EntryKind kind)
{
    if (kind == EntryKind::Link)
        throw fw::EInOutError(fw::kIoAccessDenied);
    if (kind != EntryKind::Folder)
        throw fw::EInOutError(fw::kIoInvalidFilename);
}

struct Target {
    Path folder;          // the override folder
    Path file;            // the table in it
    bool folderExists = false;
    bool fileExists = false;
};

// Finds the override folder (creating it when asked) and the table in it, under the
// spellings on the disk, and checks that an existing table may be replaced.
Target PrepareTarget(const Path& gameFolder, bool create)
{
    Target target;
    if (create)
        CreateMissingFolders(gameFolder);
    target.folder = ResolveSpelling(gameFolder, kOverrideName);
    EntryKind kind = files::KindOf(target.folder);
    if (kind == EntryKind::Missing && create) {
        files::CreateFolder(target.folder);
        files::FlushFolder(gameFolder);
        kind = EntryKind::Folder;
    }
    if (kind == EntryKind::Missing) {
        target.file = target.folder / kTableName;
        return target;
    }
    RequireFolder(kind);
    target.folderExists = true;
    target.file = ResolveSpelling(target.folder, kTableName);
    kind = files::KindOf(target.file);
    if (kind != EntryKind::File && kind != EntryKind::Missing)
        throw fw::EInOutError(fw::kIoAccessDenied);  // a folder, a link or a device in its place
    target.fileExists = kind == EntryKind::File;
    if (target.fileExists)
        files::CheckReplaceable(target.file);
    return target;
}

// A new file under the first name of `nameFor(n)`, n counting up from `first`, that is free.
std::pair<Path, files::OutputFile> CreateFirstFree(const std::function<Path(int)>& nameFor, int first)
{
    for (int n = first;; ++n) {
        Path path = nameFor(n);
        try {
            return {path, files::OutputFile::CreateNew(path)};
        } catch (const fw::EInOutError& e) {
            if (e.ErrorCode() != files::kIoFileExists || n - first >= 100)
                throw;
        }
    }
}

void WriteAll(files::OutputFile& file, std::string_view bytes)
{
    while (!bytes.empty()) {
        std::size_t n = file.Write(bytes);
        if (n == 0)
            throw fw::EInOutError(fw::kIoDiskFull);
        bytes.remove_prefix(n);
    }
}

// Keeps a copy of the table about to be replaced (or a marker that there was none) in the
// back-up folder, flushed to the disk with its folder.
Path KeepBackup(const Path& gameFolder, const std::optional<std::string>& old, const WriteOptions& options,
                Leftovers& leftovers)
{
    Path folder = ResolveSpelling(gameFolder, kBackupFolderName);
    EntryKind kind = files::KindOf(folder);
    if (kind == EntryKind::Missing) {
        files::CreateFolder(folder);
        leftovers.Add(folder);
        files::FlushFolder(gameFolder);
    } else {
        RequireFolder(kind);
    }
    std::tm time = options.localTime ? options.localTime() : LocalNow();
    std::vector<std::string> names;
    for (const Path& name : files::ListFolder(folder))
        names.push_back(ToUtf8(name));
    auto [path, file] = CreateFirstFree(
        [&](int n) { return folder / BackupName(time, n, !old.has_value()); }, NextBackupNumber(names, time));
    leftovers.Add(path);
    Step(options, WriteStep::BackupWrite);
    if (old)
        WriteAll(file, *old);
    Step(options, WriteStep::BackupFlush);
    file.FlushToDisk();
    file.Close();
    files::FlushFolder(folder);
    return path;
}

// The new table in a temporary file beside the target, in blocks, flushed to the disk.
// `bytes` receives what was written.
Path WriteTemporary(const Target& target, const TablePieces& source, const WriteOptions& options,
                    Leftovers& leftovers, std::string& bytes)
{
    static unsigned counter = 0;
    auto unique = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::string stem = ToUtf8(target.file.filename()) + "." + std::to_string(unique % 1000000007) + ".";
    auto created =
        CreateFirstFree([&](int n) { return target.folder / FromUtf8(stem + std::to_string(n) + ".tmp"); },
                        static_cast<int>(++counter % 100000));
    files::OutputFile& file = created.second;
    leftovers.Add(created.first);
    auto writeBlock = [&](std::string_view block) {
        std::size_t n = options.blockWriter ? options.blockWriter(file, block) : file.Write(block);
        if (n != block.size())
            throw fw::EInOutError(fw::kIoDiskFull);  // a short write means the disk is full
    };
    std::size_t sent = 0;
    while (std::optional<std::string> piece = source()) {
        bytes += *piece;
        for (; bytes.size() - sent >= kTableBlockSize; sent += kTableBlockSize)
            writeBlock(std::string_view(bytes).substr(sent, kTableBlockSize));
    }
    if (sent < bytes.size())
        writeBlock(std::string_view(bytes).substr(sent));
    Step(options, WriteStep::TemporaryFlush);
    file.FlushToDisk();
    file.Close();
    return created.first;
}

}  // namespace

SpellingConflict::SpellingConflict(std::vector<Path> spellings)
    : fw::EInOutError(fw::kIoInvalidFilename), spellings_(std::move(spellings))
{
    detail_ = Message() + ": more than one spelling:";
    for (const Path& path : spellings_)
        detail_ += " " + ToUtf8(path);
}

Path ResolveSpelling(const Path& folder, std::string_view name)
{
    std::vector<Path> spellings = FindSpellings(folder, name);
    if (spellings.size() > 1)
        throw SpellingConflict(std::move(spellings));
    return spellings.empty() ? folder / FromUtf8(name) : spellings.front();
}

WriteResult WriteTable(const Path& gameFolder, const TablePieces& source, const WriteOptions& options)
{
    Target target = PrepareTarget(gameFolder, true);
    std::optional<std::string> old;
    if (target.fileExists)
        old = files::ReadWhole(target.file);
    Leftovers leftovers;
    std::string bytes;
    Path temporary = WriteTemporary(target, source, options, leftovers, bytes);
    WriteResult result{target.file, std::nullopt, false};
    // The same bytes: the table is left as it is, and a back-up would only repeat it.
    if (old == bytes)
        return result;
    result.backup = KeepBackup(gameFolder, old, options, leftovers);
    Step(options, WriteStep::Replace);
    files::Replace(temporary, target.file);
    leftovers.Keep();
    result.changed = true;
    files::FlushFolder(target.folder);
    return result;
}

WriteResult WriteTable(const Path& gameFolder, std::string_view bytes, const WriteOptions& options)
{
    bool given = false;
    return WriteTable(
        gameFolder,
        [&]() -> std::optional<std::string> {
            if (std::exchange(given, true))
                return std::nullopt;
            return std::string(bytes);
        },
        options);
}

WriteResult RemoveTable(const Path& gameFolder, const WriteOptions& options)
{
    Target target = PrepareTarget(gameFolder, false);
    WriteResult result{target.file, std::nullopt, false};
    if (!target.fileExists)
        return result;
    std::optional<std::string> old = files::ReadWhole(target.file);
    Leftovers leftovers;
    result.backup = KeepBackup(gameFolder, old, options, leftovers);
    Step(options, WriteStep::Replace);
    files::RemoveFile(target.file);
    leftovers.Keep();
    result.changed = true;
    files::FlushFolder(target.folder);
    return result;
}

}  // namespace game
