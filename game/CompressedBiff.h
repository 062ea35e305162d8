// The compressed forms of a BIFF, BIFC V1.0 (zlib blocks) and BIF V1.0 (one zlib stream),
// read as a plain BIFF by streaming: forward through the data, starting again from the
// beginning when an earlier offset is asked for.
#pragma once

#include <cstdint>
#include <memory>

#include "game/Biff.h"

namespace game {

enum class ArchiveForm { Biff, Bifc, BifV10 };

// The form by the first 8 bytes; ReadError when they are none of the three.
ArchiveForm SniffArchive(const ByteSource& source);

// The archive's reader for its form: the one place that chooses it.
std::unique_ptr<BiffBytes> OpenArchive(const ByteSource& source, ArchiveForm form);

// The decompressed bytes in order.
class DecompressedStream {
public:
    virtual ~DecompressedStream() = default;
    // The plain BIFF's size as the archive declares it.
    virtual std::uint64_t DeclaredSize() const = 0;
    // Up to `size` bytes; fewer only at the declared end.
    virtual std::size_t Read(unsigned char* out, std::size_t size) = 0;
    // Passes over up to `size` bytes; fewer only at the declared end.
    virtual std::uint64_t Skip(std::uint64_t size);
};

std::unique_ptr<DecompressedStream> OpenDecompressed(const ByteSource& source, ArchiveForm form);

class CompressedBiff : public BiffBytes {
public:
    CompressedBiff(const ByteSource& source, ArchiveForm form);
    const Path& Name() const override { return source_.Name(); }
    void Read(std::uint64_t offset, unsigned char* out, std::size_t size, ReadPart part) override;
    std::vector<unsigned char> ReadBytes(std::uint64_t offset, std::size_t size, ReadPart part) override;
    int Passes() const { return passes_; }

private:
    void Restart();
    void MoveTo(std::uint64_t offset, std::size_t size, ReadPart part);
    const ByteSource& source_;
    ArchiveForm form_;
    std::unique_ptr<DecompressedStream> stream_;
    std::uint64_t position_ = 0;
    int passes_ = 0;
};

}  // namespace game
