// Each operation holds the clipboard only for its own steps, and closes it on
// every path, also after a failed open: the platform makes that harmless.
#include "cmdcode/clipboard/clipboard.hpp"

#include <utility>

#include "cmdcode/platform/platform.hpp"
#include "cmdcode/text/text.hpp"

namespace cmdcode {
namespace {

// A failed open is closed all the same, as every path is.
bool tryOpen() {
  if (platform::openClipboard()) {
    return true;
  }
  platform::closeClipboard();
  return false;
}

}  // namespace

bool clipboardSetText(const char* text, std::int32_t length) {
  if (!tryOpen()) {
    return false;
  }
  platform::emptyClipboard();
  // Bytes that cannot be read are refused by the platform like memory that
  // cannot be had: the clipboard stays empty and the caller hears of it.
  const bool put = platform::putClipboardText(text, length);
  platform::closeClipboard();
  return put;
}

bool clipboardGetText(std::string& result) {
  if (!platform::clipboardHasText()) {
    platform::closeClipboard();
    return false;
  }
  if (!tryOpen()) {
    return false;
  }
  std::string text;
  const bool read = platform::readClipboardText(text);
  platform::closeClipboard();
  if (read) {
    result = std::move(text);
  }
  return read;
}

std::int32_t clipboardCopyText(char* destination, std::int32_t count) {
  std::string text;
  if (!clipboardGetText(text)) {
    return 0;
  }
  return copyText(text.c_str(), destination, count);
}

bool clipboardClear() {
  if (!tryOpen()) {
    return false;
  }
  platform::emptyClipboard();
  platform::closeClipboard();
  return true;
}

}  // namespace cmdcode
