#include "game/KeyFile.h"

#include <cstring>
#include <vector>

#include "game/TableReading.h"

namespace game {

namespace {

const std::size_t kHeaderSize = 24;
const std::size_t kArchiveEntrySize = 12;
const std::size_t kResourceEntrySize = 14;

struct KeyTables {
    std::uint32_t archiveCount, resourceCount, archiveOffset, resourceOffset;
};

void CheckTable(const ByteSource& key, std::uint64_t offset, std::uint64_t count, std::size_t entrySize,
                const char* what)
{
    std::uint64_t end = offset + count * entrySize;
    if (end > key.Size())
        throw ReadError(key.Name(), offset,
                        std::to_string(count) + " " + what + " would end at byte " + std::to_string(end) +
                            ", past the end of the file (" + std::to_string(key.Size()) + " bytes)");
}

KeyTables ReadHeader(const ByteSource& key, const unsigned char* bytes)
{
    if (key.Size() < kHeaderSize)
        throw ReadError(key.Name(), 0, "truncated header: a KEY file starts with 24 bytes");
    if (std::memcmp(bytes, "KEY V1  ", 8) != 0)
        throw ReadError(key.Name(), 0, "not a KEY V1 file (no \"KEY V1\" signature)");
    KeyTables t{U32(bytes + 8), U32(bytes + 12), U32(bytes + 16), U32(bytes + 20)};
    CheckTable(key, t.archiveOffset, t.archiveCount, kArchiveEntrySize, "archive entries");
    CheckTable(key, t.resourceOffset, t.resourceCount, kResourceEntrySize, "resource entries");
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

std::string ArchiveName(const ByteSource& key, const std::vector<unsigned char>& bytes, std::uint64_t entryOffset,
                        std::uint64_t& nameOffset)
{
    const unsigned char* entry = bytes.data() + entryOffset;
    nameOffset = U32(entry + 4);
    std::uint64_t length = U16(entry + 8);
    if (nameOffset > bytes.size() || length > bytes.size() - nameOffset)
        throw ReadError(key.Name(), entryOffset, "the archive name lies past the end of the file");
    const char* name = reinterpret_cast<const char*>(bytes.data() + nameOffset);
    std::size_t used = 0;
    while (used < length && name[used] != 0)
        ++used;
    if (used == 0)
        throw ReadError(key.Name(), nameOffset, "the archive name is empty");
    return std::string(name, used);
}

}  // namespace

std::optional<KeyEntry> FindInKey(const ByteSource& key, std::string_view resref, std::uint16_t type)
{
    if (key.Size() > kMaxKeySize)
        throw ReadError(key.Name(), std::nullopt, "too large: a KEY file over 64 MiB is not read");
    std::vector<unsigned char> bytes(static_cast<std::size_t>(key.Size()));
    ReadExact(key, 0, bytes.data(), bytes.size(), "the KEY file");
    KeyTables t = ReadHeader(key, bytes.data());
    for (std::uint64_t i = 0; i < t.resourceCount; ++i) {
        std::uint64_t at = t.resourceOffset + i * kResourceEntrySize;
        const unsigned char* entry = bytes.data() + at;
        if (U16(entry + 8) != type || !SameResref(entry, resref))
            continue;
        KeyEntry found;
        found.locator = U32(entry + 10);
        found.archiveIndex = found.locator >> 20;
        if (found.archiveIndex >= t.archiveCount)
            throw ReadError(key.Name(), at,
                            "the resource names archive " + std::to_string(found.archiveIndex) + ", but the KEY lists " +
                                std::to_string(t.archiveCount) + " archives");
        std::uint64_t entryOffset = t.archiveOffset + std::uint64_t(found.archiveIndex) * kArchiveEntrySize;
        found.archiveName = ArchiveName(key, bytes, entryOffset, found.archiveNameOffset);
        return found;
    }
    return std::nullopt;
}

}  // namespace game
