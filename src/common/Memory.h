#pragma once

// Keeps memory the program frees for its own later use instead of handing it back to the
// system at once. Reloading a grid of 32,767 items frees and takes megabytes each time; going
// through the system for them costs more than the loading itself.
void KeepFreedMemoryForReuse();
