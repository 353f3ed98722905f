// The file store: the clipboard's text kept in a file of the clipboard
// folder, for sessions without a desktop. Programs of the same user share it.
#pragma once

#include <string>
#include <string_view>

namespace cmdcode::platform {

// Each takes the clipboard folder's descriptor.
bool storeHasText(int folder);
bool storeReadText(int folder, std::string& text);
// Replaces the text as a whole: a reader sees the old text or the new one.
bool storeWriteText(int folder, std::string_view text);
void storeClear(int folder);

}  // namespace cmdcode::platform
