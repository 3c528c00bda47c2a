#pragma once

#include <filesystem>
#include <functional>
#include <random>
#include <string>

namespace kelvane::test {

// A file under tests/data.
std::string dataPath(const std::string& name);
// A file under tests/golden.
std::string goldenPath(const std::string& name);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);

// A fresh, empty folder removed when the object goes out of scope.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Runs a command through the shell; returns its exit status and fills the captured streams.
struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
CommandResult runCommand(const std::string& commandLine);
// The path of a built executable in the build's bin folder (kelvane-cli, opensees, ...).
std::string binPath(const std::string& name);

// The message of the KelvaneError the action throws, "no error" when it throws none.
std::string errorOf(const std::function<void()>& action);

// `original` with 1 to `maxEdits` random edits: a cut of up to 40 bytes, a byte of `alphabet`
// inserted or written over one, or a piece of the text copied elsewhere.
std::string mutatedText(const std::string& original, std::mt19937& random, const std::string& alphabet,
                        int maxEdits);

} // namespace kelvane::test
