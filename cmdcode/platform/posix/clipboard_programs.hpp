// The desktop's clipboard, reached through its command-line programs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cmdcode::platform {

enum class ClipboardTool { wayland, xclip, xsel };

struct ClipboardProgram {
  ClipboardTool tool;
  std::string copier;  // full paths; the same program for xclip and xsel
  std::string paster;
};

// The tool's programs when they are installed.
std::optional<ClipboardProgram> findClipboardProgram(ClipboardTool tool);

// Whether the clipboard offers text. xsel cannot tell, so it is asked for the
// text itself; no text then reads as an empty one.
bool programHasText(const ClipboardProgram& program);
// The clipboard's text up to its first NUL.
bool programReadText(const ClipboardProgram& program, std::string& text);
bool programWriteText(const ClipboardProgram& program, std::string_view text);
// xclip cannot give the selection up, so it is left holding an empty text.
bool programClear(const ClipboardProgram& program);

}  // namespace cmdcode::platform
