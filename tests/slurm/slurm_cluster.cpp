#include "slurm/slurm_cluster.h"

#include "batch/child_process.h"
#include "batch/local_runner.h"
#include "batch/slurm_queue.h"
#include "common/text_file.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <thread>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kelvane::test {
namespace {

namespace fs = std::filesystem;

// The daemons live in sbin, which is not on every user's PATH.
std::string daemonPath(const std::string& name) {
    const std::string onPath = findOnPath(name);
    if (!onPath.empty())
        return onPath;
    for (const char* folder : {"/usr/sbin/", "/sbin/", "/usr/local/sbin/"})
        if (::access((std::string(folder) + name).c_str(), X_OK) == 0)
            return folder + name;
    return {};
}

// A loopback port nobody listens on just now.
int freeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

std::string shortHostName() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    const std::string full = name;
    return full.substr(0, full.find('.'));
}

std::string userName() {
    const passwd* entry = ::getpwuid(::geteuid());
    return entry ? entry->pw_name : "root";
}

template <class Condition> bool waitUntil(Condition condition, std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

} // namespace

bool runningInCi() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && std::string(ci) == "true";
}

SlurmCluster::SlurmCluster() {
    if (!start() && problem_.empty())
        problem_ = "the cluster did not start";
    if (!problem_.empty())
        problem_ += logTails();
}

SlurmCluster::~SlurmCluster() {
    // Jobs left by a failed test end with the cluster rather than outlive it under slurmstepd.
    if (problem_.empty())
        runCommand("scancel --user=" + userName() + " --quiet");
    for (auto daemon = daemons_.rbegin(); daemon != daemons_.rend(); ++daemon) {
        terminateChild(*daemon);
        const pid_t pid = *daemon;
        if (!waitUntil([pid] { return reapChild(pid, false).ended; }, std::chrono::seconds(10))) {
            killChild(pid);
            reapChild(pid, true);
        }
    }
    ::unsetenv("SLURM_CONF");
}

pid_t SlurmCluster::startDaemon(const std::string& name, const std::vector<std::string>& arguments) {
    const std::string program = daemonPath(name);
    const std::string log = dir_.file(name + ".out");
    logs_.push_back(log);
    const pid_t pid = startChildProcess(program, arguments, dir_.path().string(), log);
    daemons_.push_back(pid);
    return pid;
}

bool SlurmCluster::start() {
    for (const char* name : {"munged", "slurmctld", "slurmd"})
        if (daemonPath(name).empty()) {
            problem_ =
                std::string(name) + " is not installed (scripts/setup.sh installs slurm-wlm and munge)";
            return false;
        }
    for (const char* name : {"sbatch", "squeue", "sinfo"})
        if (findOnPath(name).empty()) {
            problem_ = std::string(name) + " is not on the PATH";
            return false;
        }
    const fs::path root = dir_.path();
    fs::create_directories(root / "munge");
    fs::create_directories(root / "state");
    fs::create_directories(root / "spool");
    fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);

    // A munge key made for this cluster, readable by its owner only.
    std::random_device random;
    std::string key(1024, '\0');
    for (char& c : key)
        c = static_cast<char>(random() & 0xff);
    const std::string keyFile = (root / "munge.key").string();
    writeFile(keyFile, key);
    fs::permissions(keyFile, fs::perms::owner_read | fs::perms::owner_write);
    const std::string socket = (root / "munge/munge.socket").string();
    startDaemon("munged", {"--foreground", "--force", "--socket=" + socket, "--key-file=" + keyFile,
                           "--pid-file=" + (root / "munged.pid").string(),
                           "--log-file=" + (root / "munged.log").string(),
                           "--seed-file=" + (root / "munged.seed").string()});
    if (!waitUntil([&] { return fs::exists(socket); }, std::chrono::seconds(10))) {
        problem_ = "munged made no socket";
        return false;
    }

    const std::string host = shortHostName();
    const std::string user = userName();
    const std::string p = root.string();
    config_ = (root / "slurm.conf").string();
    const std::vector<std::string> conf = {
        "ClusterName=kelvanetest",
        "SlurmctldHost=" + host + "(127.0.0.1)",
        "SlurmctldPort=" + std::to_string(ports_.emplace_back(freeLoopbackPort())),
        "SlurmdPort=" + std::to_string(ports_.emplace_back(freeLoopbackPort())),
        "SlurmUser=" + user,
        "SlurmdUser=" + user,
        "AuthType=auth/munge",
        "CredType=cred/munge",
        "AuthInfo=socket=" + socket,
        "StateSaveLocation=" + p + "/state",
        "SlurmdSpoolDir=" + p + "/spool",
        "SlurmctldPidFile=" + p + "/slurmctld.pid",
        "SlurmdPidFile=" + p + "/slurmd.pid",
        "SlurmctldLogFile=" + p + "/slurmctld.log",
        "SlurmdLogFile=" + p + "/slurmd.log",
        "ProctrackType=proctrack/linuxproc",
        "TaskPlugin=task/none",
        "SchedulerType=sched/builtin",
        "SelectType=select/cons_tres",
        "SelectTypeParameters=CR_Core",
        "ReturnToService=2",
        "MpiDefault=none",
        "JobAcctGatherType=jobacct_gather/none",
        "AccountingStorageType=accounting_storage/none",
        "SwitchType=switch/none",
        // The daemons bind to the loopback addresses above rather than to every address.
        "CommunicationParameters=NoCtldInAddrAny,NoInAddrAny",
        "NodeName=" + host + " NodeAddr=127.0.0.1 CPUs=" + std::to_string(defaultJobCount()) +
            " RealMemory=500 State=UNKNOWN",
        "PartitionName=test Nodes=" + host + " Default=YES MaxTime=INFINITE State=UP",
    };
    std::string text;
    for (const std::string& line : conf)
        text += line + "\n";
    writeFile(config_, text);
    ::setenv("SLURM_CONF", config_.c_str(), 1);
    logs_.push_back(p + "/slurmctld.log");
    logs_.push_back(p + "/slurmd.log");

    startDaemon("slurmctld", {"-D", "-f", config_});
    startDaemon("slurmd", {"-D", "-f", config_});
    if (!waitForNode(std::chrono::seconds(40))) {
        problem_ = "the node did not become idle within 40 s";
        return false;
    }
    return true;
}

bool SlurmCluster::waitForNode(std::chrono::seconds bound) {
    bool idle = false;
    const bool answered = waitUntil(
        [&] {
            for (auto daemon = daemons_.begin(); daemon != daemons_.end(); ++daemon)
                if (reapChild(*daemon, false).ended) {
                    problem_ = "a daemon ended before the node came up";
                    daemons_.erase(daemon);
                    return true;
                }
            const CommandResult state = runCommand("sinfo --noheader --format=%T");
            idle = state.exitCode == 0 && state.out.find("idle") != std::string::npos;
            return idle;
        },
        bound);
    return answered && idle;
}

std::vector<std::string> SlurmCluster::listenersBeyondLoopback() const {
    // /proc/net/tcp and tcp6: "sl local_address rem_address st ...", the address and port in hex,
    // state 0A for a listening socket.
    constexpr std::string_view kLoopback4 = "0100007F";
    constexpr std::string_view kLoopback6 = "00000000000000000000000001000000";
    std::vector<std::string> listeners;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        std::error_code error;
        if (!fs::exists(table, error))
            continue;
        const std::vector<std::string> lines = loadLines(table);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            std::istringstream fields(lines[i]);
            std::string slot, local, remote, state;
            fields >> slot >> local >> remote >> state;
            const auto colon = local.find(':');
            if (state != "0A" || colon == std::string::npos)
                continue;
            const int port = static_cast<int>(std::stoul(local.substr(colon + 1), nullptr, 16));
            const std::string address = local.substr(0, colon);
            if (std::find(ports_.begin(), ports_.end(), port) != ports_.end() && address != kLoopback4 &&
                address != kLoopback6)
                listeners.push_back(std::string(table) + ": " + local);
        }
    }
    return listeners;
}

std::string SlurmCluster::logTails() const {
    std::string tails;
    for (const std::string& log : logs_) {
        std::error_code error;
        if (!fs::exists(log, error))
            continue;
        const std::vector<std::string> lines = loadLines(log);
        tails += "\n--- " + fs::path(log).filename().string() + ":";
        for (std::size_t i = lines.size() > 8 ? lines.size() - 8 : 0; i < lines.size(); ++i)
            tails += "\n" + lines[i];
    }
    return tails;
}

} // namespace kelvane::test
