// Byte streams: the base with whole-buffer reads and writes, and a stream in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

enum class SeekOrigin { Beginning, Current, End };

class Stream {
public:
    virtual ~Stream() = default;

    // Read and Write move at most count bytes and return how many they moved.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    // Returns the new position.
    virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;
    virtual std::int64_t Size();

    std::int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(std::int64_t position) { Seek(position, SeekOrigin::Beginning); }
    // Bytes between the position and the end (0 when positioned past the end).
    std::int64_t Remaining();

    // Throws EReadError when fewer than count bytes are there.
    void ReadBuffer(void* buffer, std::size_t count);
    // Throws Exception("Stream write error") when not all bytes are taken.
    void WriteBuffer(const void* buffer, std::size_t count);

    // Little-endian integers, as stored values carry them.
    std::uint8_t ReadUInt8();
    std::uint32_t ReadUInt32();
    void WriteUInt8(std::uint8_t value);
    void WriteUInt32(std::uint32_t value);
};

class MemoryStream : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<unsigned char> bytes) : data_(std::move(bytes)) {}
    MemoryStream(const void* bytes, std::size_t count);

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }

    const std::vector<unsigned char>& Bytes() const { return data_; }
    void Clear();

private:
    std::vector<unsigned char> data_;
    std::size_t position_ = 0;
};

}  // namespace fw
