// A request from outside the process to stop (Ctrl+C, SIGINT; SIGTERM from a test runner or the
// system): the frame in progress completes, the loop ends and shutdown runs as after any other
// end, so that what the run writes (a recording above all) is finished rather than cut off.
//
// The handler only sets a flag; the loop tests it between frames. A second signal of the same
// kind ends the process at once, for a run that no longer reaches the end of its frame.
#pragma once

namespace velkor {

// Installs the handlers for SIGINT and SIGTERM. The game's entry function calls it; tests that
// run an engine in process leave the default handlers alone.
void InstallStopSignalHandlers();

// True once a stop signal has arrived.
[[nodiscard]] bool StopSignalled() noexcept;

// Forgets an earlier signal (for tests that raise one).
void ClearStopSignal() noexcept;

}  // namespace velkor
