// One zlib stream read from a range of a file, inflated piece by piece into the caller's
// buffer: memory stays the same whatever size the stream claims.
#pragma once

#include <cstdint>
#include <memory>

#include "game/ByteSource.h"

namespace game {

class Inflater {
public:
    Inflater(const ByteSource& source, std::uint64_t begin, std::uint64_t end);
    ~Inflater();
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Inflates up to `size` bytes; fewer only when the stream has ended. Throws ReadError
    // for damaged data or a stream cut short by the end of its range.
    std::size_t Inflate(unsigned char* out, std::size_t size);
    bool Ended() const { return ended_; }

private:
    struct State;
    const ByteSource& source_;
    std::uint64_t next_, end_;
    bool ended_ = false;
    std::unique_ptr<State> state_;
};

}  // namespace game
