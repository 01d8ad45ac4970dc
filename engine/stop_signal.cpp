#include "engine/stop_signal.hpp"

#include <csignal>

namespace velkor {

namespace {

volatile std::sig_atomic_t stopSignalled = 0;

extern "C" void OnStopSignal(int signal) {
    stopSignalled = 1;
    // Only async-signal-safe calls here: the next signal of this kind takes the default action.
    std::signal(signal, SIG_DFL);
}

}  // namespace

void InstallStopSignalHandlers() {
    // The C library's signal() is the one interface both Windows and POSIX offer; on Windows
    // SIGINT comes from Ctrl+C in the console and SIGTERM only from raise().
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
}

bool StopSignalled() noexcept { return stopSignalled != 0; }

void ClearStopSignal() noexcept { stopSignalled = 0; }

}  // namespace velkor
