#pragma once

#include "solver/solver_run.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// How far a running solver has come: the steps its script asks for, the steps its recorder files
// hold so far, and how that reads for the user.
namespace kelvane {

// The analysis steps a script asks for: the sum of its "analyze N" commands, a step loop
// ("while {... $step < N} {") counting as N steps whatever it analyzes inside. 0 when the script
// analyzes nothing step by step (the modal procedure).
long long stepsAsked(const std::vector<std::string>& scriptLines);

// The steps the recorder files hold so far: the complete lines of the file that has most. Each poll
// reads only what the files gained since the one before; a file left from an earlier run counts
// only once the solver has written it again, and a file the solver started afresh is counted afresh.
class RecorderProgress {
  public:
    RecorderProgress(std::filesystem::path folder, const std::vector<std::string>& recorderFiles,
                     FileStamps before);
    long long stepsDone();

  private:
    struct Watched {
        std::string name;
        std::uintmax_t offset = 0;
        long long lines = 0;
    };
    void update(Watched& file);

    std::filesystem::path folder_;
    FileStamps before_;
    std::vector<Watched> files_;
};

// "0:07", "12:30", "1:02:03".
std::string formatElapsed(double seconds);

// "step 37 of 200, 0:12 elapsed"; "37 steps, 0:12 elapsed" when the steps asked are not known.
std::string progressText(long long done, long long asked, double seconds);

// A terminal progress bar of `width` characters between brackets, then the steps and the time:
// "[#######-------------]  37/200 steps  0:12".
std::string progressBar(long long done, long long asked, double seconds, int width);

} // namespace kelvane
