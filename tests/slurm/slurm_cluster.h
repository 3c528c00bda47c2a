#pragma once

#include "support/test_support.h"

#include <chrono>
#include <string>
#include <vector>

#include <sys/types.h>

namespace kelvane::test {

// A one-node Slurm cluster on this machine for the length of a test: munged with a key made for
// it, slurmctld and slurmd in the foreground as children of the test, all their state, sockets and
// logs in a temporary folder, the controller and the node on loopback ports. SLURM_CONF names its
// slurm.conf for the commands the test runs. Stopped (by process id) when the object goes.
class SlurmCluster {
  public:
    SlurmCluster();
    ~SlurmCluster();
    SlurmCluster(const SlurmCluster&) = delete;
    SlurmCluster& operator=(const SlurmCluster&) = delete;

    // Why the cluster did not come up ("" when it did), with the end of the daemons' logs.
    const std::string& problem() const { return problem_; }
    const std::string& configFile() const { return config_; }
    // The sockets listening on the controller's or the node's port at an address other than
    // loopback (as /proc/net lists them); none when the daemons keep to this machine.
    std::vector<std::string> listenersBeyondLoopback() const;

  private:
    bool start();
    pid_t startDaemon(const std::string& name, const std::vector<std::string>& arguments);
    bool waitForNode(std::chrono::seconds bound);
    std::string logTails() const;

    TempDir dir_;
    std::string config_;
    std::vector<int> ports_;     // the controller's and the node's
    std::vector<pid_t> daemons_; // munged, slurmctld, slurmd: stopped in the reverse order
    std::vector<std::string> logs_;
    std::string problem_;
};

// True when CI=true: a cluster that does not come up is then a failure, not a skip.
bool runningInCi();

} // namespace kelvane::test
