#include "game/ByteSource.h"

#include <algorithm>
#include <cstring>

#include "game/ReadError.h"

namespace game {

MemorySource::MemorySource(Path name, const void* data, std::size_t size)
    : name_(std::move(name)), data_(static_cast<const unsigned char*>(data)), size_(size)
{
}

std::size_t MemorySource::ReadSome(std::uint64_t offset, void* buffer, std::size_t size) const
{
    if (offset >= size_)
        return 0;
    std::size_t n = std::min<std::uint64_t>(size, size_ - offset);
    if (n != 0)
        std::memcpy(buffer, data_ + offset, n);
    return n;
}

namespace {

void CheckRange(const ByteSource& source, std::uint64_t offset, std::size_t size, ReadPart part)
{
    std::uint64_t total = source.Size();
    if (offset > total || size > total - offset)
        throw ReadError(ReadProblem::PastEnd, source.Name(), offset, {.part = part, .size = total});
}

}  // namespace

void ReadExact(const ByteSource& source, std::uint64_t offset, void* buffer, std::size_t size, ReadPart part)
{
    CheckRange(source, offset, size, part);
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        std::size_t n = source.ReadSome(offset + done, out + done, size - done);
        if (n == 0)
            throw ReadError(ReadProblem::EndedEarly, source.Name(), offset + done, {.part = part});
        done += n;
    }
}

std::vector<unsigned char> ReadBytes(const ByteSource& source, std::uint64_t offset, std::size_t size, ReadPart part)
{
    CheckRange(source, offset, size, part);  // before allocating what may not be there
    std::vector<unsigned char> bytes(size);
    ReadExact(source, offset, bytes.data(), size, part);
    return bytes;
}

}  // namespace game
