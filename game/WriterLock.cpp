#include "game/WriterLock.h"

namespace game {

const char* WriterBusy::what() const noexcept
{
    return "another program is writing this game's table; nothing was changed";
}

WriterLock::WriterLock(FileSystem& files, const Path& gameFolder, int waitMilliseconds)
    : held_(files.LockFile(gameFolder / kWriterLockName, waitMilliseconds))
{
    if (!held_)
        throw WriterBusy();
}

}  // namespace game
