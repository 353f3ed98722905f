// The console: stream-style writing and reading of text and numbers, and
// screen control. The one instance is `console`.
#pragma once

#include "cmdcode/platform/handle.hpp"

namespace cmdcode {

class Console {
 public:
  Console();
  ~Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Writing: each hands its bytes to the platform in one piece.
  Console& write(const char* text);  // the characters before the terminator
  Console& write(char character);    // exactly that byte, NUL included
  Console& write(int value);
  Console& write(long value);  // the full value where long is 64 bits
  Console& write(unsigned long value);
  Console& write(unsigned int value);
  Console& write(double value);  // 10 significant digits: "1.", "1.e+010"
  Console& write(float value);

  // Reads one line into `buffer` (256 bytes): the input typed ahead is
  // discarded first, the line end is removed.
  Console& read(char* buffer);

  // Typed reads: one character; numbers from the start of a line of at
  // most 20 characters.
  Console& read(char& character);
  Console& read(long& value);
  Console& read(int& value);
  Console& read(double& value);

  // Screen control: true when the terminal took the request.
  bool setCursor(int x, int y);
  bool setAttribute(int attribute);
  bool setWindow(int left, int right, int top, int bottom);
  bool setTitle(const char* title);

  // These always give true.
  bool clearScreen();
  bool pause(bool show);
  bool beep();

  // False once a read has met the end of the input (Ctrl+D at a terminal,
  // the end of a pipe or file); the read then delivered nothing.
  explicit operator bool() const { return !inputEnded; }

 private:
  // Reads at most `capacity` characters of one line; returns their number.
  int readChars(char* buffer, int capacity);

  platform::Handle inputHandle;
  platform::Handle outputHandle;
  bool inputEnded = false;
};

extern Console console;

extern const char* newline;
extern const char* bell;
extern const char* tab;

}  // namespace cmdcode
