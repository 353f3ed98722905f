// The Windows clipboard's CF_TEXT format. A global memory block handed over
// with SetClipboardData belongs to the clipboard from then on; one that was
// never accepted is still ours to free.
#include <cstring>

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/platform/win32/native.hpp"

namespace cmdcode::platform {
namespace {

// Movable, zero-filled and shareable with other processes, as the clipboard
// has always expected of its memory.
constexpr UINT kClipboardBlockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;

}  // namespace

bool clipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) != 0; }

// No window owns the clipboard on the library's behalf.
bool openClipboard() { return OpenClipboard(nullptr) != 0; }
void closeClipboard() { CloseClipboard(); }
void emptyClipboard() { EmptyClipboard(); }

bool putClipboardText(const char* bytes, std::int32_t length) {
  if (length < 0 || (bytes == nullptr && length > 0)) {
    return false;
  }
  const auto size = static_cast<SIZE_T>(length);
  const HGLOBAL block = GlobalAlloc(kClipboardBlockFlags, size + 1);
  if (block == nullptr) {
    return false;
  }
  auto* text = static_cast<char*>(GlobalLock(block));
  if (text == nullptr) {
    GlobalFree(block);
    return false;
  }
  if (size > 0) {
    std::memcpy(text, bytes, size);
  }
  text[size] = '\0';
  GlobalUnlock(block);
  // A refused hand-over leaves the block with us, and nobody else would ever
  // free it; the caller hears that the clipboard did not get the text.
  if (SetClipboardData(CF_TEXT, block) == nullptr) {
    GlobalFree(block);
    return false;
  }
  return true;
}

bool readClipboardText(std::string& text) {
  const HANDLE block = GetClipboardData(CF_TEXT);
  if (block == nullptr) {
    return false;
  }
  const auto* data = static_cast<const char*>(GlobalLock(block));
  if (data == nullptr) {
    return false;
  }
  // The block's size bounds the text, so a block that another program left
  // without a terminator is not read past its end.
  const SIZE_T size = GlobalSize(block);
  const void* terminator = std::memchr(data, '\0', size);
  text.assign(data, terminator ? static_cast<const char*>(terminator) : data + size);
  GlobalUnlock(block);
  return true;
}

}  // namespace cmdcode::platform
