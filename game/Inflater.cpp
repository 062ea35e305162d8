#include "game/Inflater.h"

#include <zlib.h>

#include <algorithm>

#include "game/ReadError.h"

namespace game {

namespace {
const std::size_t kInputChunk = 8192;
}

struct Inflater::State {
    z_stream z{};
    unsigned char input[kInputChunk];
};

Inflater::Inflater(const ByteSource& source, std::uint64_t begin, std::uint64_t end)
    // Not value-initialised: the input buffer is always filled before it is read.
    : source_(source), next_(begin), end_(end), state_(new State)
{
    if (inflateInit(&state_->z) != Z_OK)
        throw ReadError(ReadProblem::ZlibStart, source_.Name(), begin);
}

Inflater::~Inflater()
{
    inflateEnd(&state_->z);
}

std::size_t Inflater::Inflate(unsigned char* out, std::size_t size)
{
    z_stream& z = state_->z;
    std::size_t done = 0;
    while (done < size && !ended_) {
        if (z.avail_in == 0) {
            if (next_ >= end_)
                throw ReadError(ReadProblem::ZlibEndsEarly, source_.Name(), next_);
            std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(kInputChunk, end_ - next_));
            ReadExact(source_, next_, state_->input, n, ReadPart::CompressedData);
            next_ += n;
            z.next_in = state_->input;
            z.avail_in = static_cast<uInt>(n);
        }
        std::size_t want = std::min<std::size_t>(size - done, 1u << 30);
        z.next_out = out + done;
        z.avail_out = static_cast<uInt>(want);
        int result = inflate(&z, Z_NO_FLUSH);
        done += want - z.avail_out;
        if (result == Z_STREAM_END)
            ended_ = true;
        else if (result != Z_OK && result != Z_BUF_ERROR)
            throw ReadError(ReadProblem::ZlibDamaged, source_.Name(), next_ - z.avail_in,
                            {.detail = z.msg ? z.msg : "inflate failed"});
    }
    return done;
}

}  // namespace game
