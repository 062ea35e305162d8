// The links' pointing-hand cursor: the program's cursor resource URLCURSOR, registered
// as a process-wide screen cursor that any control shows through its Cursor number.
#pragma once

inline constexpr int crURLCursor = 1458;

// Loads URLCURSOR from the program and registers it as crURLCursor; called once at
// start-up, later calls change nothing. Without the resource the number keeps the arrow.
void RegisterHandCursor();
