// A game file opened for reading: only a regular file on a disk is ever opened, and
// without blocking, so a FIFO or a device under a game's name cannot hang the reader.
#pragma once

#include <cstdint>

#include "game/ByteSource.h"

namespace game {

class InputFile : public ByteSource {
public:
    // Throws ReadError when the file cannot be opened or is not a regular file.
    explicit InputFile(Path path);
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const Path& Name() const override { return path_; }
    std::uint64_t Size() const override { return size_; }
    std::size_t ReadSome(std::uint64_t offset, void* buffer, std::size_t size) const override;

private:
    Path path_;
    std::uint64_t size_ = 0;
    std::intptr_t handle_ = -1;  // a descriptor (POSIX) or a HANDLE (Windows)
};

}  // namespace game
