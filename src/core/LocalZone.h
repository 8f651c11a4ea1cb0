#pragma once

// The local time zone of the run.
namespace LocalZone {

// Gives the C library the system's zone by name for the whole run: without a
// name it looks at the zone file again at every reading of the local clock,
// and a save reads the clock a few times.
void pin();

}
