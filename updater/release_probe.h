// Whether an unpacked release can start on this machine, asked before it becomes current: a
// correctly signed release for another processor, or one that cannot load its libraries here,
// would otherwise replace a studio that works with one that does not start.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <stop_token>
#include <string>

namespace quillon {

// The first file under the release's bin/ and lib/ that is a program or library for another kind
// of machine (an ELF file whose class, byte order or processor differ from this program's own), as
// a path relative to the release; nothing when every one is for this machine.
std::optional<std::string> foreignProgramIn(const std::filesystem::path& release);

struct ProgramRun {
    enum class End { exited, killedBySignal, notStarted, timedOut, stopped };
    End end = End::notStarted;
    int status = 0; // the exit status, the signal, or the errno of a start that failed
    std::string output; // standard output and error together, the first 4 KiB
};

// Runs `program --version` with no input and waits for it to end, at most `deadline`; a program that
// takes longer, or is still running when `stop` is asked, is killed with everything it started.
ProgramRun runVersionOf(
    const std::filesystem::path& program, std::chrono::milliseconds deadline, std::stop_token stop = {});

} // namespace quillon
