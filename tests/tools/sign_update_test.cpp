// quillon-sign-update run as a publisher runs it: the secret key file it makes, and what it will not touch.
#include "updater/update_signature.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quillon {
namespace {

namespace fs = std::filesystem;

// A seccomp filter matches call numbers, and a number means another call on another architecture.
#if defined(__x86_64__)
constexpr std::uint32_t kAuditArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr std::uint32_t kAuditArch = AUDIT_ARCH_AARCH64;
#else
constexpr std::uint32_t kAuditArch = 0;
#endif

// What the tool's process is held to, besides umask 0, which every run gets so that the key file's
// mode is the tool's choice alone.
struct Restraints {
    bool chmodFails = false; // chmod, fchmod and fchmodat fail with EPERM
    rlim_t largestFile = RLIM_INFINITY; // a write past this size is cut short, then fails with EFBIG
};

struct ToolRun {
    int status = -1; // -1 when the tool did not exit on its own
    std::string output;
    std::string error;
    std::string setupFailure; // why the tool never started, empty when it did
    bool seccompUnavailable = false;
};

sock_filter statement(std::uint16_t code, std::uint32_t k)
{
    return sock_filter {code, 0, 0, k};
}

sock_filter jumpIfEqual(std::uint32_t k, std::uint8_t ifEqual, std::uint8_t ifNot)
{
    return sock_filter {BPF_JMP | BPF_JEQ | BPF_K, ifEqual, ifNot, k};
}

// With every mode-changing call failing, the mode the key file ends up with is the one it was created
// with. A process of another architecture is killed: its call numbers would slip past the checks.
std::vector<sock_filter> chmodFailsFilter()
{
    const std::vector<std::uint32_t> blocked = {
#ifdef SYS_chmod // aarch64 has only fchmodat
        SYS_chmod,
#endif
        SYS_fchmod,
        SYS_fchmodat,
#ifdef SYS_fchmodat2
        SYS_fchmodat2,
#endif
    };
    std::vector<sock_filter> program = {
        statement(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        jumpIfEqual(kAuditArch, 1, 0),
        statement(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        statement(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
    };
    // A match jumps over the checks after it and the ALLOW, onto the EPERM at the end.
    for (std::size_t i = 0; i < blocked.size(); ++i)
        program.push_back(jumpIfEqual(blocked[i], static_cast<std::uint8_t>(blocked.size() - i), 0));
    program.push_back(statement(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    program.push_back(statement(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM));
    return program;
}

// What the child tells the test through a close-on-exec pipe when it fails before execv; after a
// successful execv the pipe closes with nothing in it.
enum class Step : int { redirect, noNewPrivs, seccomp, probe, fileLimit, exec };

struct ChildReport {
    Step step;
    int error;
};

[[noreturn]] void failChild(int reportFd, Step step)
{
    const ChildReport report {step, errno};
    [[maybe_unused]] const ssize_t written = ::write(reportFd, &report, sizeof report);
    ::_exit(127);
}

// Between fork and execv only async-signal-safe calls: everything the child needs is made before.
[[noreturn]] void startTool(char** argv, const Restraints& restraints, const sock_fprog& filter,
    const char* probePath, int probeFd, int outFd, int errFd, int reportFd)
{
    ::umask(0);
    if (::dup2(outFd, STDOUT_FILENO) < 0 || ::dup2(errFd, STDERR_FILENO) < 0)
        failChild(reportFd, Step::redirect);
    if (restraints.chmodFails) {
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
            failChild(reportFd, Step::noNewPrivs);
        if (::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0)
            failChild(reportFd, Step::seccomp);
        // A filter that lets a chmod through would make the mode check prove nothing.
        const bool blocked = ::chmod(probePath, 0) != 0 && errno == EPERM && ::fchmod(probeFd, 0) != 0
            && errno == EPERM && ::fchmodat(AT_FDCWD, probePath, 0, 0) != 0 && errno == EPERM;
        if (!blocked)
            failChild(reportFd, Step::probe);
    }
    if (restraints.largestFile != RLIM_INFINITY) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {restraints.largestFile, restraints.largestFile};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            failChild(reportFd, Step::fileLimit);
    }
    ::execv(argv[0], argv);
    failChild(reportFd, Step::exec);
}

std::string readAll(int fd)
{
    std::string text;
    std::array<char, 4096> buffer {};
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

std::string describe(const ChildReport& report)
{
    const char* steps[] = {"redirecting output", "PR_SET_NO_NEW_PRIVS", "PR_SET_SECCOMP",
        "the filter let a chmod through", "RLIMIT_FSIZE", "execv " QUILLON_SIGN_UPDATE_PATH};
    return std::string(steps[static_cast<int>(report.step)]) + ": " + std::strerror(report.error);
}

// Waits for the child to start the tool, or to say why it could not, then for the tool to finish.
void collect(pid_t pid, int outFd, int errFd, int reportFd, ToolRun& result)
{
    ChildReport report {};
    ssize_t got = 0;
    do
        got = ::read(reportFd, &report, sizeof report);
    while (got < 0 && errno == EINTR);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    // The tool writes a line or two, far less than a pipe holds, so reading after it exits cannot stall it.
    result.output = readAll(outFd);
    result.error = readAll(errFd);
    if (got == static_cast<ssize_t>(sizeof report)) {
        result.setupFailure = describe(report);
        result.seccompUnavailable = report.step == Step::noNewPrivs || report.step == Step::seccomp;
    } else if (WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
}

// Runs the tool in a child process; `scratch` is a file the child may use to try the filter on.
ToolRun run(std::vector<std::string> arguments, const fs::path& scratch, Restraints restraints = {})
{
    ToolRun result;
    arguments.insert(arguments.begin(), QUILLON_SIGN_UPDATE_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<sock_filter> program = chmodFailsFilter();
    const sock_fprog filter {static_cast<unsigned short>(program.size()), program.data()};

    const int probeFd = ::open(scratch.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    int out[2], err[2], report[2];
    if (probeFd < 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0
        || ::pipe2(report, O_CLOEXEC) != 0) {
        result.setupFailure = std::string("cannot set up the child: ") + std::strerror(errno);
        return result;
    }
    const pid_t pid = ::fork();
    const int forkError = errno;
    if (pid == 0)
        startTool(argv.data(), restraints, filter, scratch.c_str(), probeFd, out[1], err[1], report[1]);
    for (const int fd : {probeFd, out[1], err[1], report[1]})
        ::close(fd);
    if (pid > 0)
        collect(pid, out[0], err[0], report[0], result);
    else
        result.setupFailure = std::string("fork: ") + std::strerror(forkError);
    for (const int fd : {out[0], err[0], report[0]})
        ::close(fd);
    return result;
}

std::string contents(const fs::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// What a publisher copies: one line of standard base64, of the length an Ed25519 key encodes to.
bool isBase64Line(const std::string& text, std::size_t length)
{
    return text.size() == length + 1 && text.back() == '\n'
        && std::all_of(text.begin(), text.end() - 1, [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '/' || c == '=';
           });
}

// Each test gets a folder of its own, so tests may run side by side, and leaves nothing behind.
class SignUpdateTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    const fs::path m_folder = fs::temp_directory_path()
        / ("sign_update_test_" + std::to_string(::getpid()) + "_"
            + ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(SignUpdateTool, SecretKeyFileIsTheOwnersAloneFromTheMomentItIsCreated)
{
    if (kAuditArch == 0)
        GTEST_SKIP() << "no seccomp filter written for this architecture's call numbers";
    const fs::path key = m_folder / "release.key";
    const ToolRun result = run({"--generate-keys", key.string()}, m_folder / "probe", {.chmodFails = true});
    if (result.seccompUnavailable)
        GTEST_SKIP() << "cannot install a seccomp filter here: " << result.setupFailure;
    ASSERT_EQ(result.setupFailure, "");
    EXPECT_EQ(result.status, 0) << result.error;

    struct stat info { };
    ASSERT_EQ(::lstat(key.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    // umask 0 and every chmod failing: a file created 0666 and narrowed afterwards would still be 0666.
    EXPECT_EQ(info.st_mode & 07777, 0600u) << "mode 0" << std::oct << (info.st_mode & 07777);
    EXPECT_TRUE(isBase64Line(contents(key), 88)) << contents(key);
    EXPECT_TRUE(isBase64Line(result.output, 44)) << "the public key on stdout: " << result.output;
}

TEST_F(SignUpdateTool, AnythingAlreadyAtTheKeyPathIsNeitherReplacedNorFollowed)
{
    struct Case {
        const char* name;
        bool symlink; // the key path is a symlink to `name`.target
        bool targetExists;
    };
    const Case cases[] = {
        {"dangling", true, false},
        {"linked", true, true},
        {"earlier", false, true},
    };
    const std::string earlierContents = "a key that signed earlier releases\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path key = m_folder / (std::string(c.name) + ".key");
        const fs::path target = c.symlink ? m_folder / (std::string(c.name) + ".target") : key;
        if (c.targetExists)
            std::ofstream(target, std::ios::binary) << earlierContents;
        if (c.symlink)
            fs::create_symlink(target, key);

        const ToolRun result = run({"--generate-keys", key.string()}, m_folder / "probe");
        ASSERT_EQ(result.setupFailure, "");
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.error.find(key.string()), std::string::npos) << result.error;
        EXPECT_EQ(result.output, "") << "a public key whose secret half was not saved";
        EXPECT_EQ(fs::is_symlink(key), c.symlink);
        if (c.symlink) {
            EXPECT_EQ(fs::read_symlink(key), target);
        }
        EXPECT_EQ(fs::exists(fs::symlink_status(target)), c.targetExists);
        if (c.targetExists) {
            EXPECT_EQ(contents(target), earlierContents);
        }
    }
}

TEST_F(SignUpdateTool, AKeyCutShortByAFailedWriteIsRemovedAndReported)
{
    const fs::path key = m_folder / "release.key";
    // The first write stops at 64 bytes of the 89 and the next one fails, as on a disk that fills up.
    const ToolRun result = run({"--generate-keys", key.string()}, m_folder / "probe", {.largestFile = 64});
    ASSERT_EQ(result.setupFailure, "");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.error.find(key.string()), std::string::npos) << result.error;
    EXPECT_EQ(result.output, "") << "a public key whose secret half was not saved";
    EXPECT_FALSE(fs::exists(fs::symlink_status(key))) << contents(key);
}

// Runs the tool through the shell, for what the shell does best: a full disk as standard output.
struct ShellRun {
    int status = -1;
    std::string output;
    std::string error;
};

ShellRun runThroughShell(
    const fs::path& folder, const std::string& arguments, const std::string& stdoutTo = "")
{
    const fs::path out = folder / "stdout";
    const fs::path err = folder / "stderr";
    const std::string command = std::string("'") + QUILLON_SIGN_UPDATE_PATH + "' " + arguments + " >"
        + (stdoutTo.empty() ? "'" + out.string() + "'" : stdoutTo) + " 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), contents(out), contents(err)};
}

// A public key that never reached the publisher is a lost one: no release could be built for the
// key. The tool says so, keeps the secret key, and prints the public half of it on request.
TEST_F(SignUpdateTool, APublicKeyThatCannotBePrintedIsReportedAndCanBePrintedAgain)
{
    const fs::path key = m_folder / "release.key";
    const ShellRun lost = runThroughShell(m_folder, "--generate-keys '" + key.string() + "'", "/dev/full");
    EXPECT_EQ(lost.status, 1) << lost.error;
    EXPECT_NE(lost.error.find("--public-key"), std::string::npos) << lost.error;
    ASSERT_TRUE(isBase64Line(contents(key), 88)) << "the secret key is kept";

    const ShellRun again = runThroughShell(m_folder, "--public-key '" + key.string() + "'");
    EXPECT_EQ(again.status, 0) << again.error;
    ASSERT_TRUE(isBase64Line(again.output, 44)) << again.output;
    // The key printed is the one the secret key signs for.
    const fs::path archive = m_folder / "release.tar.gz";
    std::ofstream(archive, std::ios::binary) << "release bytes";
    const ShellRun signature
        = runThroughShell(m_folder, "--sign '" + archive.string() + "' '" + key.string() + "'");
    ASSERT_EQ(signature.status, 0) << signature.error;
    const std::size_t start = signature.output.find("sparkle:edSignature=\"") + 21;
    const std::string signed_ = signature.output.substr(start, signature.output.find('"', start) - start);
    EXPECT_TRUE(hasValidSignature("release bytes", signed_, again.output.substr(0, 44))) << signature.output;
}

TEST_F(SignUpdateTool, WhatCannotBeReadIsNamedAndNothingIsPrinted)
{
    const fs::path key = m_folder / "release.key";
    ASSERT_EQ(runThroughShell(m_folder, "--generate-keys '" + key.string() + "'").status, 0);
    std::ofstream(m_folder / "not-a-key", std::ios::binary) << "hello\n";
    const struct {
        std::string arguments;
        const char* saying;
    } rows[] = {
        {"--sign '" + m_folder.string() + "' '" + key.string() + "'", "it is a folder"},
        {"--sign /dev/null '" + key.string() + "'", "not a regular file"},
        {"--sign '" + (m_folder / "missing").string() + "' '" + key.string() + "'", "No such file"},
        {"--sign '" + key.string() + "' '" + m_folder.string() + "'", "it is a folder"},
        {"--public-key '" + m_folder.string() + "'", "it is a folder"},
        {"--public-key '" + (m_folder / "not-a-key").string() + "'", "not a secret key"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments);
        const ShellRun result = runThroughShell(m_folder, row.arguments);
        EXPECT_EQ(result.status, 1) << result.error;
        EXPECT_NE(result.error.find(row.saying), std::string::npos) << result.error;
        EXPECT_EQ(result.output, "");
    }
}

} // namespace
} // namespace quillon
