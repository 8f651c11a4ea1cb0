#pragma once

class RunState;

// Hooks the engine into the shell: the screen set-up fills combo boxes.
void installEngine(RunState& state);
