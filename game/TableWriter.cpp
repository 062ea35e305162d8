#include "game/TableWriter.h"

#include <utility>
#include <vector>

#include "framework/Exceptions.h"
#include "game/Limits.h"

namespace game {

namespace {

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

// What a failed write made, removed again unless the write went through: files, and the
// folders it created while they are empty, newest first.
class Leftovers {
public:
    explicit Leftovers(FileSystem& files) : files_(files) {}
    Leftovers(const Leftovers&) = delete;
    Leftovers& operator=(const Leftovers&) = delete;
    ~Leftovers()
    {
        for (auto it = paths_.rbegin(); it != paths_.rend(); ++it)
            files_.Discard(*it);
    }
    void Add(Path path) { paths_.push_back(std::move(path)); }
    bool Empty() const { return paths_.empty(); }
    void Keep() { paths_.clear(); }

private:
    FileSystem& files_;
    std::vector<Path> paths_;
};

// Creates one folder and makes its entry in the parent durable.
void CreateFolderDurably(FileSystem& files, const Path& folder, Leftovers& leftovers)
{
    files.CreateFolder(folder);
    leftovers.Add(folder);
    files.FlushFolder(folder.parent_path());
}

// Creates the folder and every missing one above it, outermost first. A failure is left
// for the step that needs the folder to report.
void CreateMissingFolders(FileSystem& files, const Path& folder, Leftovers& leftovers)
{
    std::vector<Path> missing;
    try {
        for (Path p = folder; !p.empty() && files.KindOf(p, Links::Kept) == EntryKind::Missing; p = p.parent_path()) {
            missing.push_back(p);
            if (p.parent_path() == p)
                break;
        }
        for (auto it = missing.rbegin(); it != missing.rend(); ++it)
            CreateFolderDurably(files, *it, leftovers);
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
    bool fileExists = false;
};

// Finds the override folder (creating it when asked) and the table in it, under the
// spellings on the disk, and checks that an existing table may be replaced.
Target PrepareTarget(FileSystem& files, const Path& gameFolder, bool create, Leftovers& leftovers)
{
    Target target;
    target.folder = ResolveSpelling(files, gameFolder, kOverrideFolderName);
    EntryKind kind = files.KindOf(target.folder, Links::Kept);
    if (kind == EntryKind::Missing && create) {
        CreateFolderDurably(files, target.folder, leftovers);
        kind = EntryKind::Folder;
    }
    if (kind == EntryKind::Missing) {
        target.file = target.folder / kTableFileName;
        return target;
    }
    RequireFolder(kind);
    target.file = ResolveSpelling(files, target.folder, kTableFileName);
    kind = files.KindOf(target.file, Links::Kept);
    if (kind != EntryKind::File && kind != EntryKind::Missing)
        throw fw::EInOutError(fw::kIoAccessDenied);  // a folder, a link or a device in its place
    target.fileExists = kind == EntryKind::File;
    if (target.fileExists)
        files.CheckReplaceable(target.file);
    return target;
}

// A new file under the first free name of `nameFor(0)`, `nameFor(1)`, ...
template <class NameFor>
std::pair<Path, std::unique_ptr<OutputFile>> CreateFirstFree(FileSystem& files, const NameFor& nameFor)
{
    for (int attempt = 0;; ++attempt) {
        Path path = nameFor(attempt);
        try {
            return {path, files.CreateNew(path)};
        } catch (const fw::EInOutError& e) {
            if (e.ErrorCode() != kIoFileExists || attempt >= 100)
                throw;
        }
    }
}

// Writes all of `bytes`; a write that takes none means the disk is full.
void WriteAll(OutputFile& file, std::string_view bytes)
{
    while (!bytes.empty()) {
        std::size_t n = file.Write(bytes);
        if (n == 0)
            throw fw::EInOutError(fw::kIoDiskFull);
        bytes.remove_prefix(n);
    }
}

// Keeps a copy of the table about to be replaced (or a marker that there was none) in the
// back-up folder, flushed to the disk with its folder: the replace may come only once the
// copy is sure to survive a crash.
Path KeepBackup(FileSystem& files, const Path& gameFolder, const Target& target, const std::optional<std::string>& old,
                const WriteOptions& options, Leftovers& leftovers)
{
    Path folder = ResolveSpelling(files, gameFolder, kBackupFolderName);
    EntryKind kind = files.KindOf(folder, Links::Kept);
    if (kind == EntryKind::Missing)
        CreateFolderDurably(files, folder, leftovers);
    else
        RequireFolder(kind);
    std::tm time = options.localTime ? options.localTime() : LocalNow();
    std::vector<std::string> names;
    for (const FolderEntry& entry : files.ListFolder(folder))
        names.push_back(ToUtf8(entry.name));
    std::string number = NextBackupNumber(names);
    auto [path, file] = CreateFirstFree(files, [&](int attempt) {
        if (attempt > 0)
            number = BackupNumberAfter(number);
        return folder / FromUtf8(BackupName(number, time, !old.has_value()));
    });
    leftovers.Add(path);
    if (old) {
        file->TakeModeOf(target.file);
        WriteAll(*file, *old);
    }
    file->FlushToDisk();
    file->Close();
    files.FlushFolder(folder);
    return path;
}

// The new table in a temporary file beside the target, in blocks, flushed to the disk.
// `bytes` receives what was written.
Path WriteTemporary(FileSystem& files, const Target& target, const TablePieces& source, Leftovers& leftovers,
                    std::string& bytes)
{
    static unsigned counter = 0;
    auto unique = static_cast<unsigned long long>(std::time(nullptr));
    std::string stem = ToUtf8(target.file.filename()) + "." + std::to_string(unique % 1000000007) + ".";
    unsigned first = ++counter % 100000;
    auto [path, file] = CreateFirstFree(files, [&](int attempt) {
        return target.folder / FromUtf8(stem + std::to_string(first + attempt) + ".tmp");
    });
    leftovers.Add(path);
    // The new table may be read by whoever could read the old one, and no one else.
    if (target.fileExists)
        file->TakeModeOf(target.file);
    auto writeBlock = [&file = *file](std::string_view block) {
        if (file.Write(block) != block.size())
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
    file->FlushToDisk();
    file->Close();
    return path;
}

// After the replace: the folder's new entry onto the disk. The write has happened either
// way, so a failure is only reported.
std::optional<fw::EInOutError> FlushAfterReplace(FileSystem& files, const Path& folder)
{
    try {
        files.FlushFolder(folder);
    } catch (const fw::EInOutError& e) {
        return e;
    }
    return std::nullopt;
}

FileSystem& FilesOf(const WriteOptions& options)
{
    return options.files ? *options.files : PlatformFiles();
}

std::unique_ptr<HeldLock> LockUnlessHeld(FileSystem& files, const Path& gameFolder, const WriteOptions& options)
{
    return options.lockHeld ? nullptr : LockWriters(files, gameFolder, options.lockWait);
}

// The replace or removal raised `failure`. When what it takes away (`gone`: the temporary
// file, or the removed table) is gone, it happened all the same: the code is returned for a
// warning. Otherwise, or when that cannot be asked, it may not have: ReplaceUnsure. The
// back-up stays either way; a temporary file still there is ours to remove.
fw::EInOutError HappenedDespite(FileSystem& files, const fw::EInOutError& failure, const Path& gone,
                                bool discard, const Path& backup)
{
    try {
        if (files.KindOf(gone, Links::Kept) == EntryKind::Missing)
            return failure;
    } catch (const fw::EInOutError&) {
    }
    if (discard)
        files.Discard(gone);
    throw ReplaceUnsure(failure, backup);
}

}  // namespace

WriteResult WriteTable(const Path& gameFolder, const TablePieces& source, const WriteOptions& options)
{
    FileSystem& files = FilesOf(options);
    Leftovers leftovers(files);
    CreateMissingFolders(files, gameFolder, leftovers);
    // A game folder this write made holds no other writer's lock: its lock file goes with it.
    if (!leftovers.Empty())
        leftovers.Add(gameFolder / kWriterLockName);
    // Let go before the leftovers are removed: declared after them.
    std::unique_ptr<HeldLock> lock = LockUnlessHeld(files, gameFolder, options);
    Target target = PrepareTarget(files, gameFolder, true, leftovers);
    std::optional<std::string> old;
    if (target.fileExists)
        old = files.ReadWhole(target.file, kMaxTableSize);
    std::string bytes;
    Path temporary = WriteTemporary(files, target, source, leftovers, bytes);
    WriteResult result;
    result.target = target.file;
    // The same bytes: the table is left as it is, and a back-up would only repeat it.
    if (old == bytes)
        return result;
    result.backup = KeepBackup(files, gameFolder, target, old, options, leftovers);
    leftovers.Keep();  // from here on the back-up stays, whatever the replace answers
    try {
        files.Replace(temporary, target.file);
    } catch (const fw::EInOutError& e) {
        result.replaceWarning = HappenedDespite(files, e, temporary, true, *result.backup);
    }
    result.changed = true;
    result.flushFailure = FlushAfterReplace(files, target.folder);
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
    FileSystem& files = FilesOf(options);
    Leftovers leftovers(files);
    std::unique_ptr<HeldLock> lock = LockUnlessHeld(files, gameFolder, options);
    Target target = PrepareTarget(files, gameFolder, false, leftovers);
    WriteResult result;
    result.target = target.file;
    if (!target.fileExists)
        return result;
    std::optional<std::string> old = files.ReadWhole(target.file, kMaxTableSize);
    result.backup = KeepBackup(files, gameFolder, target, old, options, leftovers);
    leftovers.Keep();  // from here on the back-up stays, whatever the removal answers
    try {
        files.RemoveFile(target.file);
    } catch (const fw::EInOutError& e) {
        result.replaceWarning = HappenedDespite(files, e, target.file, false, *result.backup);
    }
    result.changed = true;
    result.flushFailure = FlushAfterReplace(files, target.folder);
    return result;
}

}  // namespace game
