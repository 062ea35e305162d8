#include "game/InputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "game/TableReading.h"

namespace game {

InputFile::InputFile(Path path) : path_(std::move(path))
{
    int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw ReadError(path_, std::nullopt, std::string("cannot open the file: ") + std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw ReadError(path_, std::nullopt, "not a regular file");
    }
    handle_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
}

InputFile::~InputFile()
{
    ::close(static_cast<int>(handle_));
}

std::size_t InputFile::ReadSome(std::uint64_t offset, void* buffer, std::size_t size) const
{
    for (;;) {
        ssize_t n = ::pread(static_cast<int>(handle_), buffer, size, static_cast<off_t>(offset));
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            throw ReadError(path_, offset, std::string("cannot read the file: ") + std::strerror(errno));
    }
}

}  // namespace game
