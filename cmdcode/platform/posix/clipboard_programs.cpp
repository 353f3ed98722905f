// The text always travels on the programs' standard streams, never on their
// command lines, where other users could read it.
#include "cmdcode/platform/posix/clipboard_programs.hpp"

#include <cstring>
#include <vector>

#include "cmdcode/platform/posix/process.hpp"

namespace cmdcode::platform {
namespace {

using Arguments = std::vector<std::string>;

bool isTextType(std::string_view type) {
  return type == "UTF8_STRING" || type == "STRING" || type == "TEXT" || type == "text/plain" ||
         type.starts_with("text/plain;");
}

bool listsTextType(std::string_view types) {
  while (!types.empty()) {
    const std::size_t end = types.find('\n');
    std::string_view line = types.substr(0, end);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    if (isTextType(line)) {
      return true;
    }
    types.remove_prefix(end == std::string_view::npos ? types.size() : end + 1);
  }
  return false;
}

bool capture(Arguments arguments, std::string& output) {
  ProgramRun run;
  run.arguments = std::move(arguments);
  run.output = &output;
  return runProgram(run);
}

bool feed(Arguments arguments, std::string_view input) {
  ProgramRun run;
  run.arguments = std::move(arguments);
  run.input = input;
  return runProgram(run);
}

}  // namespace

std::optional<ClipboardProgram> findClipboardProgram(ClipboardTool tool) {
  ClipboardProgram program{tool, {}, {}};
  switch (tool) {
    case ClipboardTool::wayland:
      program.copier = findProgram("wl-copy");
      program.paster = findProgram("wl-paste");
      break;
    case ClipboardTool::xclip:
      program.copier = program.paster = findProgram("xclip");
      break;
    case ClipboardTool::xsel:
      program.copier = program.paster = findProgram("xsel");
      break;
  }
  if (program.copier.empty() || program.paster.empty()) {
    return std::nullopt;
  }
  return program;
}

bool programHasText(const ClipboardProgram& program) {
  std::string types;
  switch (program.tool) {
    case ClipboardTool::wayland:
      return capture({program.paster, "--list-types"}, types) && listsTextType(types);
    case ClipboardTool::xclip:
      return capture({program.paster, "-selection", "clipboard", "-out", "-t", "TARGETS"}, types) &&
             listsTextType(types);
    case ClipboardTool::xsel:
      return capture({program.paster, "--clipboard", "--output"}, types);
  }
  return false;
}

bool programReadText(const ClipboardProgram& program, std::string& text) {
  std::string output;
  bool read = false;
  switch (program.tool) {
    case ClipboardTool::wayland:
      read = capture({program.paster, "--no-newline", "--type", "text"}, output);
      break;
    case ClipboardTool::xclip:
      read = capture({program.paster, "-selection", "clipboard", "-out"}, output);
      break;
    case ClipboardTool::xsel:
      read = capture({program.paster, "--clipboard", "--output"}, output);
      break;
  }
  if (read) {
    output.resize(::strnlen(output.c_str(), output.size()));
    text = std::move(output);
  }
  return read;
}

bool programWriteText(const ClipboardProgram& program, std::string_view text) {
  switch (program.tool) {
    case ClipboardTool::wayland:
      return feed({program.copier, "--type", "text/plain"}, text);
    case ClipboardTool::xclip:
      return feed({program.copier, "-selection", "clipboard", "-in"}, text);
    case ClipboardTool::xsel:
      return feed({program.copier, "--clipboard", "--input"}, text);
  }
  return false;
}

bool programClear(const ClipboardProgram& program) {
  switch (program.tool) {
    case ClipboardTool::wayland:
      return feed({program.copier, "--clear"}, {});
    case ClipboardTool::xclip:
      return programWriteText(program, {});
    case ClipboardTool::xsel:
      return feed({program.copier, "--clipboard", "--clear"}, {});
  }
  return false;
}

}  // namespace cmdcode::platform
