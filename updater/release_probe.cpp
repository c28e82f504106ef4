#include "updater/release_probe.h"

#include "updater/file_descriptor.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

extern char** environ;

namespace quillon {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMostOutputBytes = 4096;
constexpr std::size_t kElfHeaderBytes = 20;
// Bytes of the ELF header that say which machine a file is for: class and byte order, then the
// processor (e_machine).
constexpr std::array<std::size_t, 4> kMachineBytes = {4, 5, 18, 19};

std::optional<std::array<char, kElfHeaderBytes>> elfHeaderOf(const fs::path& file, int flags = O_NOFOLLOW)
{
    // O_NONBLOCK: a pipe planted among the files does not hold the install up.
    const FileDescriptor descriptor(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | flags));
    std::array<char, kElfHeaderBytes> header {};
    if (!descriptor.isOpen() || ::read(descriptor.get(), header.data(), header.size()) != kElfHeaderBytes
        || std::memcmp(header.data(),
               "\x7f"
               "ELF",
               4)
            != 0)
        return std::nullopt;
    return header;
}

} // namespace

std::optional<std::string> foreignProgramIn(const fs::path& release)
{
    const auto own = elfHeaderOf("/proc/self/exe", 0); // a link to the program, to be followed
    if (!own)
        return std::nullopt; // nothing to compare with: the studio's own run decides
    for (const char* folder : {"bin", "lib"}) {
        std::error_code error;
        fs::recursive_directory_iterator entries(release / folder, error);
        for (; !error && entries != fs::recursive_directory_iterator(); entries.increment(error)) {
            if (!entries->is_regular_file(error) || entries->is_symlink(error))
                continue;
            const auto header = elfHeaderOf(entries->path());
            if (!header)
                continue;
            for (const std::size_t at : kMachineBytes) {
                if ((*header)[at] != (*own)[at])
                    return entries->path().lexically_relative(release).string();
            }
        }
    }
    return std::nullopt;
}

namespace {

// Starts `program --version` with no input, writing to `writing`: 0 and the `child`, or the error.
int startVersionRun(const fs::path& program, int writing, pid_t& child)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writing, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, writing, STDERR_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A group of its own, so that whatever it starts is stopped with it.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    std::string path = program.string();
    std::string option = "--version";
    char* arguments[] = {path.data(), option.data(), nullptr};
    const int spawned = posix_spawn(&child, path.c_str(), &actions, &attributes, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return spawned;
}

// Waits for the child to end, gathering what it writes; past `deadline`, or once `stop` is asked,
// it is killed with its group.
void watchUntilEnd(pid_t child, int reading, std::chrono::milliseconds deadline, const std::stop_token& stop,
    ProgramRun& run)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    bool outputOpen = true;
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child) {
            run.end = WIFEXITED(status) ? ProgramRun::End::exited : ProgramRun::End::killedBySignal;
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status);
            return;
        }
        const bool late = std::chrono::steady_clock::now() >= end;
        if (late || stop.stop_requested()) {
            ::kill(-child, SIGKILL);
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            run.end = late ? ProgramRun::End::timedOut : ProgramRun::End::stopped;
            return;
        }
        if (!outputOpen) {
            ::usleep(20 * 1000);
            continue;
        }
        pollfd readable {reading, POLLIN, 0};
        if (::poll(&readable, 1, 50) > 0) {
            char buffer[1024];
            const ssize_t count = ::read(reading, buffer, sizeof buffer);
            if (count > 0) {
                const std::size_t room = kMostOutputBytes - std::min(kMostOutputBytes, run.output.size());
                run.output.append(buffer, std::min(room, static_cast<std::size_t>(count)));
            } else if (count == 0 || errno != EINTR) {
                outputOpen = false;
            }
        }
    }
}

// What it wrote just before it ended.
void readRest(int reading, std::string& output)
{
    ::fcntl(reading, F_SETFL, O_NONBLOCK);
    char buffer[1024];
    ssize_t count = 0;
    while (output.size() < kMostOutputBytes && (count = ::read(reading, buffer, sizeof buffer)) > 0)
        output.append(buffer, std::min(kMostOutputBytes - output.size(), static_cast<std::size_t>(count)));
}

} // namespace

ProgramRun runVersionOf(const fs::path& program, std::chrono::milliseconds deadline, std::stop_token stop)
{
    ProgramRun run;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        run.status = errno;
        return run;
    }
    FileDescriptor reading(ends[0]);
    FileDescriptor writing(ends[1]);
    pid_t child = 0;
    const int spawned = startVersionRun(program, writing.get(), child);
    writing.reset();
    if (spawned != 0) {
        run.status = spawned;
        return run;
    }
    watchUntilEnd(child, reading.get(), deadline, stop, run);
    readRest(reading.get(), run.output);
    return run;
}

} // namespace quillon
