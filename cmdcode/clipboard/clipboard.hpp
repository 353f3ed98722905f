// Plain-text exchange with the system clipboard. The clipboard is held open
// only inside each call; a clipboard that another process holds makes the
// call fail at once.
#pragma once

#include <cstdint>
#include <string>

namespace cmdcode {

// Replaces the clipboard's content with exactly `length` bytes of `text`. The
// clipboard's text ends at the first NUL among them. False when the clipboard
// could not be opened, the memory not had, or the text not taken.
bool clipboardSetText(const char* text, std::int32_t length);

// A copy of the clipboard's text, taken while the clipboard is open. False,
// and `result` untouched, when there is no text or the clipboard is held.
bool clipboardGetText(std::string& result);

// copyText of the clipboard's text into `destination` (count + 1 bytes);
// 0, with the destination untouched, when there is no text to be had.
std::int32_t clipboardCopyText(char* destination, std::int32_t count);

// Empties the clipboard. False when it could not be opened.
bool clipboardClear();

}  // namespace cmdcode
