#include "framework/Stream.h"

#include <cstdint>
#include <cstring>

#include "framework/Exceptions.h"

namespace fw {

std::int64_t Stream::Size()
{
    std::int64_t here = Position();
    std::int64_t end = Seek(0, SeekOrigin::End);
    SetPosition(here);
    return end;
}

std::int64_t Stream::Remaining()
{
    std::int64_t left = Size() - Position();
    return left > 0 ? left : 0;
}

void Stream::ReadBuffer(void* buffer, std::size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError();
}

void Stream::WriteBuffer(const void* buffer, std::size_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw Exception("Stream write error");
}

std::uint8_t Stream::ReadUInt8()
{
    std::uint8_t b = 0;
    ReadBuffer(&b, 1);
    return b;
}

std::uint32_t Stream::ReadUInt32()
{
    unsigned char b[4];
    ReadBuffer(b, 4);
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

void Stream::WriteUInt8(std::uint8_t value)
{
    WriteBuffer(&value, 1);
}

void Stream::WriteUInt32(std::uint32_t value)
{
    const unsigned char b[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    WriteBuffer(b, 4);
}

MemoryStream::MemoryStream(const void* bytes, std::size_t count)
    : data_(static_cast<const unsigned char*>(bytes), static_cast<const unsigned char*>(bytes) + count)
{
}

std::size_t MemoryStream::Read(void* buffer, std::size_t count)
{
    if (position_ >= data_.size())
        return 0;
    std::size_t n = data_.size() - position_;
    if (count < n)
        n = count;
    std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

std::size_t MemoryStream::Write(const void* buffer, std::size_t count)
{
    if (count == 0)
        return 0;
    // Writing past the end fills the gap with zeros.
    if (data_.size() < position_ + count)
        data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, count);
    position_ += count;
    return count;
}

std::int64_t MemoryStream::Seek(std::int64_t offset, SeekOrigin origin)
{
    std::int64_t base = 0;
    if (origin == SeekOrigin::Current)
        base = static_cast<std::int64_t>(position_);
    else if (origin == SeekOrigin::End)
        base = static_cast<std::int64_t>(data_.size());
    std::int64_t target = base + offset;
    if (target < 0 || static_cast<std::uint64_t>(target) > SIZE_MAX)
        throw Exception("Stream seek error");
    position_ = static_cast<std::size_t>(target);
    return target;
}

void MemoryStream::Clear()
{
    data_.clear();
    position_ = 0;
}

}  // namespace fw
