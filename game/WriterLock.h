// One writer at a time per game folder, across processes and across the window and the
// command: a lock on the file xpbonus.lock in the game folder, held from reading the table
// to the flush after its replace. The file stays (empty) once made, unless a failed write
// made the game folder itself; the system lets go of the lock when its process ends, so
// none is ever left to clear by hand.
#pragma once

#include <memory>

#include "framework/Exceptions.h"
#include "game/FileSystem.h"
#include "game/Paths.h"

namespace game {

inline constexpr char kWriterLockName[] = "xpbonus.lock";
// How long a writer waits for another to finish before it gives up.
inline constexpr int kWriterWaitMilliseconds = 5000;
// ERROR_LOCK_VIOLATION: the code a WriterBusy carries.
inline constexpr int kIoLockHeld = 33;

// Another writer held the game folder's lock for the whole wait: nothing was changed.
class WriterBusy : public fw::EInOutError {
public:
    WriterBusy() : EInOutError(kIoLockHeld) {}
};

// The game folder's lock, held until dropped. Raises WriterBusy when another writer still
// holds it after `waitMilliseconds`.
std::unique_ptr<HeldLock> LockWriters(FileSystem& files, const Path& gameFolder,
                                      int waitMilliseconds = kWriterWaitMilliseconds);

}  // namespace game
