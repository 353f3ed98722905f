// The per-user folder that holds the clipboard's lock and the file store.
#pragma once

namespace cmdcode::platform {

// A descriptor of the folder, created when missing, or -1 when no folder
// that only this user can change is to be had. The caller closes it.
//
// The folder is $XDG_RUNTIME_DIR/cmdcode when XDG_RUNTIME_DIR names a folder
// of this user's that nobody else may write to, else ${TMPDIR:-/tmp}/cmdcode-
// <uid>. A folder there that is a symbolic link, belongs to someone else, or
// that group or others may write to is refused, never repaired: someone else
// could have read or planted what it holds.
int openClipboardFolder();

}  // namespace cmdcode::platform
