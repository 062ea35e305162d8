// One entry of a BIFF V1 archive, found by its file index (bits 13-0 of the locator).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/ByteSource.h"
#include "game/Limits.h"

namespace game {

inline constexpr std::uint32_t kFileIndexMask = 0x3FFF;
inline constexpr std::uint32_t kMaxArchiveEntries = 1000000;

// The bytes of a plain BIFF, however they are stored: read at offsets in any order.
class BiffBytes {
public:
    virtual ~BiffBytes() = default;
    virtual const Path& Name() const = 0;
    // Exactly `size` bytes at `offset` of the plain BIFF, or ReadError naming `part`.
    virtual void Read(std::uint64_t offset, unsigned char* out, std::size_t size, ReadPart part) = 0;
    // The same bytes in a buffer of their own, allocated only once they are known to exist:
    // a damaged archive claiming a large entry costs what it holds, not what it claims.
    virtual std::vector<unsigned char> ReadBytes(std::uint64_t offset, std::size_t size, ReadPart part) = 0;
};

// A BIFF stored as it is.
class PlainBiff : public BiffBytes {
public:
    explicit PlainBiff(const ByteSource& source) : source_(source) {}
    const Path& Name() const override { return source_.Name(); }
    void Read(std::uint64_t offset, unsigned char* out, std::size_t size, ReadPart part) override;
    std::vector<unsigned char> ReadBytes(std::uint64_t offset, std::size_t size, ReadPart part) override;

private:
    const ByteSource& source_;
};

// The data of the first entry whose file index equals the locator's; the entry's type is
// not checked. Throws ReadError when there is none or the archive is damaged.
std::vector<unsigned char> ReadBiffEntry(BiffBytes& biff, std::uint32_t locator);

}  // namespace game
