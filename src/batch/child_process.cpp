#include "batch/child_process.h"

#include "common/error.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvane {
namespace {

void closeQuietly(int fd) {
    if (fd >= 0)
        ::close(fd);
}

// In the forked child: async-signal-safe calls only, until exec. A failure is reported as
// {step, errno} through `report` (closed by exec when the program starts).
[[noreturn]] void execChild(const char* program, char* const* argv, const char* folder, int input, int output,
                            int report, pid_t parent) {
    int step = 0;
    sigset_t none;
    sigemptyset(&none);
    ::setpgid(0, 0);
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || ::getppid() != parent)
        step = 1;
    else if (::sigprocmask(SIG_SETMASK, &none, nullptr) != 0)
        step = 1;
    else if (::dup2(input, STDIN_FILENO) < 0 || ::dup2(output, STDOUT_FILENO) < 0 ||
             ::dup2(output, STDERR_FILENO) < 0)
        step = 2;
    else if (::chdir(folder) != 0)
        step = 3;
    else
        ::execv(program, argv);
    const int reported[2] = {step == 0 ? 4 : step, errno};
    [[maybe_unused]] auto written = ::write(report, reported, sizeof reported);
    ::_exit(127);
}

} // namespace

pid_t startChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                        const std::string& folder, const std::string& outputFile) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const int output = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
    if (output < 0)
        fail(cannotCreateFileMessage(outputFile, std::strerror(errno)));
    int input[2] = {-1, -1};
    int report[2] = {-1, -1};
    if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(report, O_CLOEXEC) != 0) {
        const int error = errno;
        for (int fd : {output, input[0], input[1], report[0], report[1]})
            closeQuietly(fd);
        fail("Cannot start the solver \"" + program + "\": " + std::strerror(error));
    }
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child == 0)
        execChild(program.c_str(), argv.data(), folder.c_str(), input[0], output, report[1], parent);
    const int forkError = errno;
    for (int fd : {output, input[0], input[1], report[1]})
        closeQuietly(fd);
    if (child < 0) {
        closeQuietly(report[0]);
        fail("Cannot start the solver \"" + program + "\": " + std::strerror(forkError));
    }
    int reported[2] = {0, 0};
    ssize_t count;
    do {
        count = ::read(report[0], reported, sizeof reported);
    } while (count < 0 && errno == EINTR);
    closeQuietly(report[0]);
    if (count == static_cast<ssize_t>(sizeof reported)) {
        ::waitpid(child, nullptr, 0);
        if (reported[0] == 3)
            fail("Cannot run the solver in the folder \"" + folder + "\": " + std::strerror(reported[1]));
        fail("Cannot start the solver \"" + program + "\": " + std::strerror(reported[1]));
    }
    return child;
}

ChildEnd reapChild(pid_t child, bool wait) {
    int status = 0;
    pid_t result;
    do {
        result = ::waitpid(child, &status, wait ? 0 : WNOHANG);
    } while (result < 0 && errno == EINTR);
    ChildEnd end;
    if (result == 0)
        return end;
    end.ended = true;
    if (result < 0)
        return end; // not our child any more: nothing to wait for
    if (WIFEXITED(status))
        end.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        end.signal = WTERMSIG(status);
    return end;
}

void terminateChild(pid_t child) {
    ::kill(-child, SIGTERM);
}

void killChild(pid_t child) {
    ::kill(-child, SIGKILL);
}

} // namespace kelvane
