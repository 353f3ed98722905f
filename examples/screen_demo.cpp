// The console's screen control at work: the sixteen colours as a grid of
// every foreground on every background, each cell showing its own attribute
// in hexadecimal, inside a frame drawn by moving the cursor.
#include "cmdcode/cmdcode.hpp"

using namespace cmdcode;

namespace {

const char* const kColourNames[16] = {
    "black",     "blue",       "green",     "cyan",       "red",        "magenta",
    "brown",     "light grey", "dark grey", "light blue", "lime green", "light cyan",
    "light red", "pink",       "yellow",    "white",
};

constexpr int kPlain = 0x07;  // light grey on black
constexpr int kFrameLeft = 0;
constexpr int kFrameTop = 1;
constexpr int kNameWidth = 14;  // a blank, the digit, a blank, the name, a blank
constexpr int kCellWidth = 4;
constexpr int kGridLeft = kFrameLeft + 1 + kNameWidth;
constexpr int kGridTop = kFrameTop + 2;  // below the row of foreground labels
constexpr int kFrameRight = kGridLeft + 16 * kCellWidth;
constexpr int kFrameBottom = kGridTop + 16;

const char kHexDigits[] = "0123456789ABCDEF";

void drawFrame() {
  for (int x = kFrameLeft; x <= kFrameRight; ++x) {
    const bool corner = x == kFrameLeft || x == kFrameRight;
    console.setCursor(x, kFrameTop);
    console.write(corner ? '+' : '-');
    console.setCursor(x, kFrameBottom);
    console.write(corner ? '+' : '-');
  }
  for (int y = kFrameTop + 1; y < kFrameBottom; ++y) {
    console.setCursor(kFrameLeft, y);
    console.write('|');
    console.setCursor(kFrameRight, y);
    console.write('|');
  }
}

void drawLabels() {
  console.setCursor(kFrameLeft + 2, kFrameTop + 1);
  console.write("bg \\ fg");
  for (int foreground = 0; foreground < 16; ++foreground) {
    console.setCursor(kGridLeft + foreground * kCellWidth, kFrameTop + 1);
    console.write("  ").write(kHexDigits[foreground]);
  }
  for (int background = 0; background < 16; ++background) {
    console.setCursor(kFrameLeft + 2, kGridTop + background);
    console.write(kHexDigits[background]).write(' ').write(kColourNames[background]);
  }
}

void drawGrid() {
  for (int background = 0; background < 16; ++background) {
    console.setCursor(kGridLeft, kGridTop + background);
    for (int foreground = 0; foreground < 16; ++foreground) {
      console.setAttribute(background << 4 | foreground);
      console.write(' ').write(kHexDigits[background]).write(kHexDigits[foreground]).write(' ');
    }
  }
  console.setAttribute(kPlain);
}

}  // namespace

int main() {
  console.clearScreen();
  console.setTitle("cmdcode screen demo");
  console.setCursor(0, 0);
  console.write("The 16 console colours: attribute = background * 16 + foreground");
  drawFrame();
  drawLabels();
  drawGrid();
  console.setCursor(0, kFrameBottom + 1);
  console.beep();
  console.pause(true);
  console.setAttribute(kPlain);
  console.setCursor(0, kFrameBottom + 2);
  console.write(newline);
  return 0;
}
