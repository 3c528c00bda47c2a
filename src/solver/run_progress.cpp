#include "solver/run_progress.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <regex>
#include <system_error>
#include <utility>

namespace kelvane {
namespace {

std::string trimmedLine(const std::string& line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t\r\n") - first + 1);
}

int braceBalance(const std::string& line) {
    int balance = 0;
    for (char c : line)
        balance += c == '{' ? 1 : c == '}' ? -1 : 0;
    return balance;
}

} // namespace

long long stepsAsked(const std::vector<std::string>& scriptLines) {
    static const std::regex analyze(R"(^(analyze\s+(\d+)(\s|;|$)|ops\.analyze\((\d+)[,)]))");
    static const std::regex stepLoop(R"(^while\s*\{.*\$step\s*<\s*(\d+)\s*\}\s*\{)");
    static const std::regex pythonStepLoop(R"(^while ok == 0 and step < (\d+):)");
    long long steps = 0;
    int loopDepth = 0; // the open braces of a step loop whose body is being skipped
    bool inPythonLoop = false;
    for (const std::string& raw : scriptLines) {
        const std::string line = trimmedLine(raw);
        if (loopDepth > 0) {
            loopDepth += braceBalance(line);
            continue;
        }
        if (line.empty() || line[0] == '#')
            continue;
        std::smatch match;
        if (std::regex_search(line, match, stepLoop)) {
            steps += std::stoll(match[1].str());
            loopDepth = braceBalance(line);
        } else if (std::regex_search(line, match, pythonStepLoop)) {
            // The loop's body is indented below it; its one-step analyze lines are the loop's.
            steps += std::stoll(match[1].str());
            inPythonLoop = true;
        } else if (inPythonLoop && raw.starts_with(" ")) {
            continue;
        } else if (std::regex_search(line, match, analyze)) {
            inPythonLoop = false;
            steps += std::stoll(match[2].matched ? match[2].str() : match[4].str());
        } else {
            inPythonLoop = false;
        }
    }
    return steps;
}

RecorderProgress::RecorderProgress(std::filesystem::path folder,
                                   const std::vector<std::string>& recorderFiles, FileStamps before)
    : folder_(std::move(folder)), before_(std::move(before)) {
    for (const std::string& name : recorderFiles)
        files_.push_back({name, 0, 0});
}

void RecorderProgress::update(Watched& file) {
    const std::filesystem::path path = folder_ / file.name;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return;
    const auto earlier = before_.find(file.name);
    if (earlier != before_.end()) {
        const auto written = std::filesystem::last_write_time(path, error);
        if (error || written == earlier->second)
            return; // still the file of an earlier run
        before_.erase(earlier);
    }
    if (size < file.offset) { // started afresh
        file.offset = 0;
        file.lines = 0;
    }
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (!stream)
        return;
    std::array<char, 65536> buffer{};
    if (std::fseek(stream, static_cast<long>(file.offset), SEEK_SET) == 0) {
        std::size_t count;
        while ((count = std::fread(buffer.data(), 1, buffer.size(), stream)) > 0) {
            file.lines +=
                std::count(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count), '\n');
            file.offset += count;
        }
    }
    std::fclose(stream);
}

long long RecorderProgress::stepsDone() {
    long long most = 0;
    for (Watched& file : files_) {
        update(file);
        most = std::max(most, file.lines);
    }
    return most;
}

std::string formatElapsed(double seconds) {
    const long long whole = seconds > 0 ? static_cast<long long>(seconds) : 0;
    const long long hours = whole / 3600, minutes = whole / 60 % 60, rest = whole % 60;
    char text[40];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", hours, minutes, rest);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", minutes, rest);
    return text;
}

std::string progressText(long long done, long long asked, double seconds) {
    const std::string steps = asked > 0 ? "step " + std::to_string(done) + " of " + std::to_string(asked)
                                        : std::to_string(done) + (done == 1 ? " step" : " steps");
    return steps + ", " + formatElapsed(seconds) + " elapsed";
}

std::string progressBar(long long done, long long asked, double seconds, int width) {
    std::string bar;
    if (asked > 0) {
        const long long filled = std::clamp<long long>(done * width / asked, 0, width);
        bar = "[" + std::string(static_cast<std::size_t>(filled), '#') +
              std::string(static_cast<std::size_t>(width - filled), '-') + "]  " + std::to_string(done) +
              "/" + std::to_string(asked) + " steps";
    } else {
        bar = std::to_string(done) + " steps";
    }
    return bar + "  " + formatElapsed(seconds);
}

} // namespace kelvane
