#pragma once

class RunState;

// Hooks the engine into the shell: the screen set-up fills combo boxes, keeps
// date fields unmirrored and open to Arabic-Indic digits, and turns multi-line
// fields to the interface's direction.
void installEngine(RunState& state);
