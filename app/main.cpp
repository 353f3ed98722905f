#include "app/prompt_loop.hpp"

int main() { return cmdcode::app::runPromptLoop(); }
