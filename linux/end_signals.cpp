// The self-pipe behind SIGTERM and SIGINT.
#include "end_signals.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {
int pipeEnds[2] = {-1, -1};

void OnEndSignal(int signal) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    (void)!write(pipeEnds[1], &byte, 1);
    errno = saved;
}
} // namespace

bool InstallEndSignals() {
    if (pipe(pipeEnds) != 0) {
        return false;
    }
    for (int end : pipeEnds) {
        fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
        fcntl(end, F_SETFD, FD_CLOEXEC);
    }
    struct sigaction action = {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}

int EndSignalFd() {
    return pipeEnds[0];
}

int TakeEndSignal() {
    unsigned char byte = 0;
    return read(pipeEnds[0], &byte, 1) == 1 ? byte : 0;
}

void DieOfSignal(int signal) {
    std::signal(signal, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    raise(signal);
    std::_Exit(128 + signal);
}
