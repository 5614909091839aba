// SIGTERM and SIGINT end the hack by the signal itself: the handler only wakes the loop
// (a self-pipe), which releases what it holds and then dies of the same signal, as
// XScreenSaver expects of a hack it stops.
#pragma once

bool InstallEndSignals();

// The read end the loop polls.
int EndSignalFd();

// The signal that arrived, or 0.
int TakeEndSignal();

// Restores the default action and raises the signal again; does not return.
[[noreturn]] void DieOfSignal(int signal);
