// The one interface between the library's modules and the operating system.
// cmdcode/platform/posix and cmdcode/platform/win32 each implement all of it;
// the build picks one. Internal to the library.
#pragma once

#include <cstdint>
#include <string>

#include "cmdcode/platform/handle.hpp"

namespace cmdcode::platform {

// --- Console attachment -----------------------------------------------------

// Makes sure the process has a console (no effect where it has one).
void attachConsole();
// Detaches the process from its console.
void detachConsole();
Handle standardInput();
Handle standardOutput();

// --- Console text -----------------------------------------------------------

// Writes every byte, to a console, a file or a pipe alike: partial writes and
// interruptions are retried until all is out or the output fails.
void writeAll(Handle output, const char* bytes, std::int32_t count);

// Discards the input typed ahead at a console. Input from a pipe or a file
// is never discarded.
void discardTypeAhead(Handle input);

// One line-mode read: waits for a line and delivers at most `capacity` of
// its characters, a complete line ending in CR LF. From a pipe or a file, and
// from a Windows console, whatever of the line does not fit is dropped; a
// POSIX terminal keeps it until the next discardTypeAhead, which every
// console read calls first. Returns the number delivered, or kEndOfInput
// when the input has ended and nothing was delivered.
inline constexpr std::int32_t kEndOfInput = -1;
std::int32_t readLine(Handle input, char* buffer, std::int32_t capacity);

// --- Screen control ---------------------------------------------------------

// Each gives false when the request is refused: output not a terminal or
// console, a position or rectangle outside what the screen allows.
bool setCursorPosition(Handle output, std::int16_t x, std::int16_t y);
bool setTextAttribute(Handle output, std::uint16_t attribute);
bool setWindowRect(Handle output, std::int16_t left, std::int16_t top, std::int16_t right,
                   std::int16_t bottom);
// Acts on the process's console or controlling terminal, whatever standard
// output is.
bool setTitle(const char* title);
// Blank screen, cursor in the top-left cell.
void clearScreen();
// Waits for one key read straight from the keyboard, without echo and with
// Ctrl+C as a plain key; an extended key gives a lead code now and its second
// code at the next call. Returns the code, or -1 at once without a keyboard.
int waitForKey();

// --- Clipboard --------------------------------------------------------------
// A clipboard operation runs between openClipboard (true when this process
// now holds the clipboard) and closeClipboard, which is called on every path,
// also when the open failed.

bool clipboardHasText();  // asked without opening
bool openClipboard();
void closeClipboard();
void emptyClipboard();
// Hands `length` bytes plus a terminator to the clipboard as its text; false
// when the memory for it could not be had or the clipboard did not take it,
// and for bytes that cannot be read (a negative length, or none given).
bool putClipboardText(const char* bytes, std::int32_t length);
// The clipboard's text, up to its first NUL; false when there is none.
bool readClipboardText(std::string& text);

}  // namespace cmdcode::platform
