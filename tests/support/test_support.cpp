#include "support/test_support.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace kelvane::test {

std::string dataPath(const std::string& name) { return std::string(KELVANE_TEST_DATA) + "/" + name; }
std::string goldenPath(const std::string& name) { return std::string(KELVANE_GOLDEN) + "/" + name; }
std::string binPath(const std::string& name) { return std::string(KELVANE_BIN_DIR) + "/" + name; }

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

TempDir::TempDir() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (;;) {
        path_ = std::filesystem::temp_directory_path() / ("kelvane-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_))
            break;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

CommandResult runCommand(const std::string& commandLine) {
    TempDir capture;
    const std::string outFile = capture.file("out");
    const std::string errFile = capture.file("err");
    const int status = std::system((commandLine + " >'" + outFile + "' 2>'" + errFile + "'").c_str());
    CommandResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(outFile);
    result.err = readFile(errFile);
    return result;
}

} // namespace kelvane::test
