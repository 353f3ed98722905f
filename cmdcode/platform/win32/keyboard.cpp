// The runtime's _getch reads the console keyboard itself (CONIN$), in raw
// mode and without echo, so it waits for a real key even when standard
// input is redirected, and it returns an extended key as two codes.
#include <conio.h>

#include "cmdcode/platform/platform.hpp"

namespace cmdcode::platform {

int waitForKey() { return _getch(); }

}  // namespace cmdcode::platform
