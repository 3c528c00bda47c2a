#include "script/ground_motion_file.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "common/text_file.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>

namespace kelvane {
namespace {

constexpr std::string_view kBlanks = " \t\f\v";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

std::string upperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return text;
}

// The words of a line, split at blanks.
std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(kBlanks, at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(kBlanks, at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

[[noreturn]] void refuse(const std::string& path, std::size_t line, const std::string& message) {
    fail("Record file \"" + path + "\", line " + std::to_string(line) + ": " + message);
}

// The number after "KEY=" on the line, up to a blank or a comma.
std::optional<double> numberAfter(std::string_view line, std::string_view key) {
    const std::size_t at = upperCase(std::string(line)).find(key);
    if (at == std::string::npos)
        return std::nullopt;
    std::string_view rest = line.substr(at + key.size());
    rest.remove_prefix(std::min(rest.find_first_not_of(kBlanks), rest.size()));
    return tryParseReal(rest.substr(0, std::min(rest.find_first_of(" \t,"), rest.size())));
}

struct PeerHeader {
    double points = 0;
    double dt = 0;
};

// "NPTS=  3930, DT= .0100 SEC" (NGA-West2) or "3930  .0100  NPTS, DT" (the earlier database).
std::optional<PeerHeader> peerHeader(std::string_view line) {
    const auto points = numberAfter(line, "NPTS=");
    const auto dt = numberAfter(line, "DT=");
    if (points && dt)
        return PeerHeader{*points, *dt};
    const auto words = wordsOf(line);
    if (words.size() >= 3 && upperCase(std::string(words[2])).starts_with("NPTS")) {
        const auto first = tryParseReal(words[0]);
        const auto second = tryParseReal(words[1]);
        if (first && second)
            return PeerHeader{*first, *second};
    }
    return std::nullopt;
}

std::string resolved(const std::string& name, const std::string& folder) {
    const std::filesystem::path path(name);
    if (path.is_absolute() || folder.empty())
        return name;
    return (std::filesystem::path(folder) / path).string();
}

} // namespace

void checkRecordFileName(std::string_view name) {
    if (name.empty())
        fail("The ground-motion record file (gmFile) is not named");
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 127 || std::string_view("\"\\$[]{};").find(c) != std::string_view::npos)
            fail("The ground-motion record file name \"" + std::string(name) +
                 "\" holds a character the script cannot carry (a blank, a quote, a backslash or one of "
                 "$ [ ] { } ;); rename the file or its folder, and write paths with /");
    }
}

bool isPeerRecordName(std::string_view name) {
    return name.size() >= 4 && equalsIgnoringCase(name.substr(name.size() - 4), ".AT2");
}

std::string convertedRecordName(std::string_view peerRecord) {
    const std::string name = std::filesystem::path(std::string(peerRecord)).filename().string();
    return name.substr(0, name.size() - (isPeerRecordName(name) ? 4 : 0)) + ".txt";
}

PeerRecord readPeerRecord(const std::string& path) {
    const std::vector<std::string> lines = loadLines(path);
    if (lines.size() < 4)
        fail("Record file \"" + path + "\" is not a PEER NGA record: it has " + std::to_string(lines.size()) +
             " lines, fewer than the four of the header");
    if (upperCase(lines[2]).find("UNITS OF G") == std::string::npos)
        refuse(path, 3,
               "a PEER NGA acceleration record gives its values in units of g, but this line says \"" +
                   lines[2] + "\"");
    const auto header = peerHeader(lines[3]);
    if (!header)
        refuse(path, 4, "\"" + lines[3] + "\" gives neither NPTS= and DT= nor \"NPTS, DT\"");
    if (!(header->points >= 1 && header->points <= 1e8 && header->points == std::floor(header->points)))
        refuse(path, 4, "NPTS is " + formatGeneral(header->points) + ", not a number of points");
    if (!(header->dt > 0))
        refuse(path, 4, "DT is " + formatGeneral(header->dt) + "; the time step must be greater than 0");

    PeerRecord record;
    record.dt = header->dt;
    const auto points = static_cast<std::size_t>(header->points);
    record.accelerations.reserve(points);
    for (std::size_t i = 4; i < lines.size(); ++i) {
        for (std::string_view word : wordsOf(lines[i])) {
            const auto value = tryParseReal(word);
            if (!value)
                refuse(path, i + 1, "'" + std::string(word) + "' is not a number");
            if (record.accelerations.size() == points)
                refuse(path, i + 1,
                       "the record holds more values than the " + std::to_string(points) +
                           " its header gives (NPTS)");
            record.accelerations.push_back(*value);
        }
    }
    if (record.accelerations.size() != points)
        fail("Record file \"" + path + "\" holds " + std::to_string(record.accelerations.size()) +
             " values, but its header gives NPTS=" + std::to_string(points));
    return record;
}

std::size_t checkPlainRecord(const std::string& path) {
    const std::vector<std::string> lines = loadLines(path);
    std::size_t count = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::string_view word : wordsOf(lines[i])) {
            if (!tryParseReal(word))
                refuse(path, i + 1, "'" + std::string(word) + "' is not a number");
            ++count;
        }
    if (count == 0)
        fail("Record file \"" + path + "\" holds no values");
    return count;
}

bool usesGroundMotionRecord(const AnalysisSettings& analysis) {
    return analysis.analysisType == TimeHistoryAnalysis ||
           analysis.analysisType == GravityTimeHistoryAnalysis;
}

TransientSteps transientSteps(const AnalysisSettings& analysis) {
    TransientSteps taken{analysis.thSteps, analysis.thDt};
    if (!usesGroundMotionRecord(analysis) || !(analysis.gmDt > 0) || !(analysis.thDt > analysis.gmDt))
        return taken;
    // A step a billionth longer than the record's is round-off, not a point skipped.
    const double split = std::ceil(analysis.thDt / analysis.gmDt - 1e-9);
    if (split > std::numeric_limits<std::int32_t>::max() / std::max(1, analysis.thSteps))
        fail("The analysis time step (thDt = " + formatGeneral(analysis.thDt) +
             " s) split down to the record's time step (gmDt = " + formatGeneral(analysis.gmDt) +
             " s) makes more steps than the solver can count");
    taken.steps = analysis.thSteps * static_cast<std::int32_t>(split);
    taken.dt = analysis.thDt / split;
    return taken;
}

ScriptGroundMotion scriptGroundMotion(const AnalysisSettings& analysis, const std::string& scriptFolder) {
    ScriptGroundMotion motion{analysis, {}, {}};
    if (!usesGroundMotionRecord(analysis) || !isPeerRecordName(analysis.gmFile))
        return motion;
    checkRecordFileName(convertedRecordName(analysis.gmFile));
    motion.peerRecord = resolved(analysis.gmFile, scriptFolder);
    PeerRecord record = readPeerRecord(motion.peerRecord);
    motion.analysis.gmFile = convertedRecordName(analysis.gmFile);
    motion.analysis.gmDt = record.dt;
    motion.accelerations = std::move(record.accelerations);
    for (double& value : motion.accelerations)
        value *= kStandardGravity;
    return motion;
}

void writeConvertedRecord(const ScriptGroundMotion& motion, const std::string& scriptFolder) {
    if (motion.peerRecord.empty())
        return;
    AtomicFile file(resolved(motion.analysis.gmFile, scriptFolder));
    std::string text;
    for (const double value : motion.accelerations) {
        text = formatGeneral(value);
        text += "\r\n";
        file.write(text);
    }
    file.commit();
}

} // namespace kelvane
