#pragma once

namespace cmdcode::app {

// Prompts with ">", reads a word, publishes its command code on the
// clipboard and echoes it, until the word's code is that of "quit" or the
// input ends. Returns the process exit status.
int runPromptLoop();

}  // namespace cmdcode::app
