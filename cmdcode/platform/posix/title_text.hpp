// What of a window title may reach a terminal. Internal to the library.
#pragma once

#include <string>

namespace cmdcode::platform::tty {

// The title without anything a terminal could take as a control: the C0
// controls (ESC and BEL among them, which would end the title sequence and
// start another) and DEL; the C1 controls, whether as raw bytes 0x80-0x9F,
// which an 8-bit terminal obeys, or encoded in UTF-8 as U+0080-U+009F.
// Well-formed UTF-8 and the bytes 0xA0-0xFF of 8-bit code pages are kept.
std::string titleText(const char* title);

}  // namespace cmdcode::platform::tty
