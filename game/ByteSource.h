// Bytes to read at any offset: a file of the game, or a buffer (tests, fuzzing).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Paths.h"
#include "game/ReadError.h"

namespace game {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual const Path& Name() const = 0;
    virtual std::uint64_t Size() const = 0;
    // Reads up to `size` bytes at `offset`; fewer only at the end of the data.
    virtual std::size_t ReadSome(std::uint64_t offset, void* buffer, std::size_t size) const = 0;
};

class MemorySource : public ByteSource {
public:
    MemorySource(Path name, const void* data, std::size_t size);
    const Path& Name() const override { return name_; }
    std::uint64_t Size() const override { return size_; }
    std::size_t ReadSome(std::uint64_t offset, void* buffer, std::size_t size) const override;

private:
    Path name_;
    const unsigned char* data_;
    std::size_t size_;
};

// Exactly `size` bytes at `offset`, or ReadError naming `part` when they lie past the end.
void ReadExact(const ByteSource& source, std::uint64_t offset, void* buffer, std::size_t size, ReadPart part);
std::vector<unsigned char> ReadBytes(const ByteSource& source, std::uint64_t offset, std::size_t size, ReadPart part);

// Little-endian fields.
inline std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
inline std::uint32_t U32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace game
