// The three activities the bonus table pays for, in the order of the game table's rows:
// 0 picking locks, 1 disarming traps, 2 learning spells from scrolls.
#pragma once

namespace app {

enum class Activity { Locks, Traps, Scrolls };

}  // namespace app
