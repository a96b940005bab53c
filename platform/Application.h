#pragma once
// What the engine needs of the application object: its title, and the nested message loops
// that long work runs to keep the program answering.
#include <string>

namespace platform {

// The program title, Windows-1252, as the standard error box shows it.
std::string ProgramTitle();
// Handles the pending events and returns.
void ProcessMessages();
// The program is ending (or has no application object yet): long work should stop.
bool Terminating();

}  // namespace platform
