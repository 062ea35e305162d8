#include "game/KeyFile.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "game/ReadError.h"

namespace game {

namespace {

const std::size_t kHeaderSize = 24;
const std::size_t kArchiveEntrySize = 12;
const std::size_t kResourceEntrySize = 14;
const std::size_t kReadChunk = 65536;

struct KeyTables {
    std::uint32_t archiveCount, resourceCount, archiveOffset, resourceOffset;
};

void CheckTable(const ByteSource& key, std::uint64_t offset, std::uint64_t count, std::size_t entrySize,
                ReadPart part)
{
    std::uint64_t end = offset + count * entrySize;
    if (end > key.Size())
        throw ReadError(ReadProblem::EntriesPastEnd, key.Name(), offset,
                        {.part = part, .count = count, .size = key.Size(), .end = end});
}

KeyTables ReadHeader(const ByteSource& key, const unsigned char* bytes)
{
    if (key.Size() < kHeaderSize)
        throw ReadError(ReadProblem::KeyTruncated, key.Name(), 0);
    if (std::memcmp(bytes, "KEY V1  ", 8) != 0)
        throw ReadError(ReadProblem::NotAKey, key.Name(), 0);
    KeyTables t{U32(bytes + 8), U32(bytes + 12), U32(bytes + 16), U32(bytes + 20)};
    CheckTable(key, t.archiveOffset, t.archiveCount, kArchiveEntrySize, ReadPart::ArchiveEntries);
    CheckTable(key, t.resourceOffset, t.resourceCount, kResourceEntrySize, ReadPart::ResourceEntries);
    return t;
}

// The resource name stored in 8 bytes, padded with NULs.
bool SameResref(const unsigned char* field, std::string_view resref)
{
    std::size_t length = 0;
    while (length < 8 && field[length] != 0)
        ++length;
    return length != 0 && SameNameIgnoringCase(std::string_view(reinterpret_cast<const char*>(field), length), resref);
}

// The KEY's bytes, not zeroed before they are read.
class KeyBytes {
public:
    explicit KeyBytes(std::size_t size) : bytes_(new unsigned char[size]), size_(size) {}
    unsigned char* data() { return bytes_.get(); }
    const unsigned char* data() const { return bytes_.get(); }
    std::size_t size() const { return size_; }

private:
    std::unique_ptr<unsigned char[]> bytes_;
    std::size_t size_;
};

std::string ArchiveName(const ByteSource& key, const KeyBytes& bytes, std::uint64_t entryOffset,
                        std::uint64_t& nameOffset)
{
    const unsigned char* entry = bytes.data() + entryOffset;
    nameOffset = U32(entry + 4);
    std::uint64_t length = U16(entry + 8);
    if (nameOffset > bytes.size() || length > bytes.size() - nameOffset)
        throw ReadError(ReadProblem::ArchiveNamePastEnd, key.Name(), entryOffset);
    const char* name = reinterpret_cast<const char*>(bytes.data() + nameOffset);
    std::size_t used = 0;
    while (used < length && name[used] != 0)
        ++used;
    if (used == 0)
        throw ReadError(ReadProblem::ArchiveNameEmpty, key.Name(), nameOffset);
    return std::string(name, used);
}

// The search for the first matching resource entry, over the bytes read so far.
struct EntryScan {
    const KeyTables& tables;
    std::string_view resref;
    std::uint16_t type;
    std::uint64_t next = 0;
    std::optional<std::uint64_t> found;  // the entry's offset

    void Run(const unsigned char* bytes, std::uint64_t loaded)
    {
        if (found || loaded < tables.resourceOffset)
            return;
        std::uint64_t end = std::min<std::uint64_t>(tables.resourceCount,
                                                    (loaded - tables.resourceOffset) / kResourceEntrySize);
        // The type and the first letter sort out nearly every entry before the name is compared.
        const auto typeLow = static_cast<unsigned char>(type & 0xFF), typeHigh = static_cast<unsigned char>(type >> 8);
        const auto first = static_cast<unsigned char>(resref.empty() ? 0 : resref[0] & 0xDF);
        const unsigned char* table = bytes + tables.resourceOffset;
        const unsigned char* stop = table + end * kResourceEntrySize;
        for (const unsigned char* e = table + next * kResourceEntrySize; e < stop; e += kResourceEntrySize)
            if (e[8] == typeLow && e[9] == typeHigh && (e[0] & 0xDF) == first && SameResref(e, resref)) {
                found = static_cast<std::uint64_t>(e - bytes);
                return;
            }
        next = end;
    }
};

}  // namespace

std::optional<KeyEntry> FindInKey(const ByteSource& key, std::string_view resref, std::uint16_t type)
{
    if (key.Size() > kMaxKeySize)
        throw ReadError(ReadProblem::KeyTooLarge, key.Name(), std::nullopt);
    const std::uint64_t size = key.Size();
    KeyBytes bytes(static_cast<std::size_t>(size));
    std::uint64_t loaded = std::min<std::uint64_t>(size, kHeaderSize);
    ReadExact(key, 0, bytes.data(), static_cast<std::size_t>(loaded), ReadPart::KeyHeader);
    KeyTables t = ReadHeader(key, bytes.data());
    // The whole KEY is read, piece by piece; each piece's entries are scanned while in the cache.
    EntryScan scan{t, resref, type, 0, std::nullopt};
    while (true) {
        scan.Run(bytes.data(), loaded);
        if (loaded == size)
            break;
        std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(kReadChunk, size - loaded));
        ReadExact(key, loaded, bytes.data() + loaded, n, ReadPart::KeyFile);
        loaded += n;
    }
    if (!scan.found)
        return std::nullopt;
    const unsigned char* entry = bytes.data() + *scan.found;
    KeyEntry found;
    found.locator = U32(entry + 10);
    found.archiveIndex = found.locator >> 20;
    if (found.archiveIndex >= t.archiveCount)
        throw ReadError(ReadProblem::ArchiveIndexTooHigh, key.Name(), *scan.found,
                        {.count = t.archiveCount, .index = found.archiveIndex});
    std::uint64_t entryOffset = t.archiveOffset + std::uint64_t(found.archiveIndex) * kArchiveEntrySize;
    found.archiveName = ArchiveName(key, bytes, entryOffset, found.archiveNameOffset);
    return found;
}

}  // namespace game
