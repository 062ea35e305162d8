#include "game/WriterLock.h"

namespace game {

std::unique_ptr<HeldLock> LockWriters(FileSystem& files, const Path& gameFolder, int waitMilliseconds)
{
    std::unique_ptr<HeldLock> held = files.LockFile(gameFolder / kWriterLockName, waitMilliseconds);
    if (!held)
        throw WriterBusy();
    return held;
}

}  // namespace game
