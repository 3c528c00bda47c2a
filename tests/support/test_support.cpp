#include "support/test_support.h"

#include "common/error.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace kelvane::test {

std::string dataPath(const std::string& name) {
    return std::string(KELVANE_TEST_DATA) + "/" + name;
}
std::string goldenPath(const std::string& name) {
    return std::string(KELVANE_GOLDEN) + "/" + name;
}
std::string binPath(const std::string& name) {
    return std::string(KELVANE_BIN_DIR) + "/" + name;
}

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

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const KelvaneError& error) {
        return error.what();
    }
    return "no error";
}

std::string mutatedText(const std::string& original, std::mt19937& random, const std::string& alphabet,
                        int maxEdits) {
    std::string text = original;
    const int edits = 1 + static_cast<int>(random() % static_cast<unsigned>(maxEdits));
    for (int e = 0; e < edits && !text.empty(); ++e) {
        const std::size_t at = random() % text.size();
        switch (random() % 4) {
        case 0:
            text.erase(at, 1 + random() % 40);
            break;
        case 1:
            text.insert(at, 1, alphabet[random() % alphabet.size()]);
            break;
        case 2:
            text[at] = alphabet[random() % alphabet.size()];
            break;
        default:
            text.insert(at, text.substr(random() % text.size(), random() % 200));
            break;
        }
    }
    return text;
}

} // namespace kelvane::test
