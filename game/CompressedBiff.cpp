#include "game/CompressedBiff.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "game/Inflater.h"
#include "game/ReadError.h"

namespace game {

namespace {

// BIFC V1.0: the plain size, then blocks of (plain size, compressed size, zlib data).
class BifcStream : public DecompressedStream {
public:
    explicit BifcStream(const ByteSource& source) : source_(source)
    {
        unsigned char header[12];
        ReadExact(source_, 0, header, sizeof header, ReadPart::BifcHeader);
        declared_ = U32(header + 8);
    }
    std::uint64_t DeclaredSize() const override { return declared_; }

    std::size_t Read(unsigned char* out, std::size_t size) override
    {
        std::size_t done = 0;
        while (done < size && produced_ < declared_) {
            if (blockLeft_ == 0) {
                StartBlock();
                continue;
            }
            std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(
                {size - done, blockLeft_, declared_ - produced_}));
            if (!block_)
                block_ = std::make_unique<Inflater>(source_, blockBegin_, next_);
            std::size_t n = block_->Inflate(out + done, want);
            if (n < want)
                throw ReadError(ReadProblem::BlockShort, source_.Name(), blockStart_);
            done += n;
            produced_ += n;
            blockLeft_ -= n;
        }
        return done;
    }

    // Whole blocks are passed over by their headers, without inflating them.
    std::uint64_t Skip(std::uint64_t size) override
    {
        std::uint64_t done = 0;
        while (done < size && produced_ < declared_) {
            if (blockLeft_ == 0)
                StartBlock();
            std::uint64_t whole = std::min(blockLeft_, declared_ - produced_);
            if (!block_ && whole <= size - done) {
                produced_ += whole;
                done += whole;
                blockLeft_ = 0;
            } else {
                done += DecompressedStream::Skip(std::min(size - done, whole));
            }
        }
        return done;
    }

private:
    void StartBlock()
    {
        blockStart_ = next_;
        unsigned char header[8];
        ReadExact(source_, next_, header, sizeof header, ReadPart::BlockHeader);
        std::uint64_t compressed = U32(header + 4);
        std::uint64_t begin = next_ + 8;
        if (compressed > source_.Size() - begin)
            throw ReadError(ReadProblem::BlockPastEnd, source_.Name(), next_);
        blockLeft_ = U32(header);
        blockBegin_ = begin;
        next_ = begin + compressed;
        block_.reset();
    }

    const ByteSource& source_;
    std::uint64_t declared_ = 0, produced_ = 0;
    std::uint64_t next_ = 12, blockStart_ = 12, blockBegin_ = 20, blockLeft_ = 0;
    std::unique_ptr<Inflater> block_;
};

// BIF V1.0: a name, the plain and compressed sizes, then one zlib stream.
class BifV10Stream : public DecompressedStream {
public:
    explicit BifV10Stream(const ByteSource& source) : source_(source)
    {
        unsigned char field[4];
        ReadExact(source_, 8, field, 4, ReadPart::NameLength);
        sizes_ = 12 + std::uint64_t(U32(field));
        std::uint64_t sizes = sizes_;
        unsigned char header[8];
        ReadExact(source_, sizes, header, sizeof header, ReadPart::SizesAfterName);
        declared_ = U32(header);
        std::uint64_t begin = sizes + 8, compressed = U32(header + 4);
        if (compressed > source_.Size() - begin)
            throw ReadError(ReadProblem::CompressedPastEnd, source_.Name(), sizes + 4, {.size = compressed});
        stream_ = std::make_unique<Inflater>(source_, begin, begin + compressed);
    }
    std::uint64_t DeclaredSize() const override { return declared_; }

    std::size_t Read(unsigned char* out, std::size_t size) override
    {
        std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(size, declared_ - produced_));
        std::size_t n = stream_->Inflate(out, want);
        if (n < want)
            throw ReadError(ReadProblem::StreamShort, source_.Name(), sizes_, {.size = declared_, .end = produced_ + n});
        produced_ += n;
        return n;
    }

private:
    const ByteSource& source_;
    std::uint64_t sizes_ = 0, declared_ = 0, produced_ = 0;
    std::unique_ptr<Inflater> stream_;
};

}  // namespace

std::uint64_t DecompressedStream::Skip(std::uint64_t size)
{
    unsigned char scratch[4096];
    std::uint64_t done = 0;
    while (done < size) {
        std::size_t n = Read(scratch, static_cast<std::size_t>(std::min<std::uint64_t>(sizeof scratch, size - done)));
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

ArchiveForm SniffArchive(const ByteSource& source)
{
    char signature[8];
    ReadExact(source, 0, signature, 8, ReadPart::ArchiveSignature);
    if (std::memcmp(signature, "BIFFV1  ", 8) == 0)
        return ArchiveForm::Biff;
    if (std::memcmp(signature, "BIFCV1.0", 8) == 0)
        return ArchiveForm::Bifc;
    if (std::memcmp(signature, "BIF V1.0", 8) == 0)
        return ArchiveForm::BifV10;
    throw ReadError(ReadProblem::NotAnArchive, source.Name(), 0);
}

std::unique_ptr<BiffBytes> OpenArchive(const ByteSource& source, ArchiveForm form)
{
    if (form == ArchiveForm::Biff)
        return std::make_unique<PlainBiff>(source);
    return std::make_unique<CompressedBiff>(source, form);
}

std::unique_ptr<DecompressedStream> OpenDecompressed(const ByteSource& source, ArchiveForm form)
{
    if (form == ArchiveForm::Bifc)
        return std::make_unique<BifcStream>(source);
    return std::make_unique<BifV10Stream>(source);
}

CompressedBiff::CompressedBiff(const ByteSource& source, ArchiveForm form) : source_(source), form_(form)
{
    Restart();
}

void CompressedBiff::Restart()
{
    stream_.reset();
    stream_ = OpenDecompressed(source_, form_);
    position_ = 0;
    ++passes_;
}

// To `offset` in the stream, once `size` bytes from there are known to lie within its size.
void CompressedBiff::MoveTo(std::uint64_t offset, std::size_t size, ReadPart part)
{
    std::uint64_t declared = stream_->DeclaredSize();
    if (offset > declared || size > declared - offset)
        throw ReadError(ReadProblem::PastDecompressedEnd, source_.Name(), offset, {.part = part, .size = declared});
    if (offset < position_)
        Restart();
    position_ += stream_->Skip(offset - position_);
}

void CompressedBiff::Read(std::uint64_t offset, unsigned char* out, std::size_t size, ReadPart part)
{
    MoveTo(offset, size, part);
    stream_->Read(out, size);
    position_ += size;
}

// The buffer grows as the stream gives bytes, doubling from 64 KB, so a claim the stream
// does not keep ends the read before the memory for it is taken.
std::vector<unsigned char> CompressedBiff::ReadBytes(std::uint64_t offset, std::size_t size, ReadPart part)
{
    MoveTo(offset, size, part);
    std::vector<unsigned char> bytes;
    while (bytes.size() < size) {
        std::size_t have = bytes.size();
        bytes.resize(std::min(size, std::max<std::size_t>(std::size_t(1) << 16, 2 * have)));
        stream_->Read(bytes.data() + have, bytes.size() - have);
        position_ += bytes.size() - have;
    }
    return bytes;
}

}  // namespace game
