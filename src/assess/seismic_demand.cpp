#include "assess/seismic_demand.h"

#include "assess/assess_number.h"
#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "common/text_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>

namespace kelvane {
namespace {

struct GroundParameters {
    double soil, tb, tc, td;
};

// Eurocode 8 Tables 3.2 (type 1) and 3.3 (type 2), ground types A to E.
constexpr GroundParameters kType1[] = {{1.0, 0.15, 0.4, 2.0},
                                       {1.2, 0.15, 0.5, 2.0},
                                       {1.15, 0.20, 0.6, 2.0},
                                       {1.35, 0.20, 0.8, 2.0},
                                       {1.4, 0.15, 0.5, 2.0}};
constexpr GroundParameters kType2[] = {{1.0, 0.05, 0.25, 1.2},
                                       {1.35, 0.05, 0.25, 1.2},
                                       {1.5, 0.10, 0.25, 1.2},
                                       {1.8, 0.10, 0.30, 1.2},
                                       {1.6, 0.05, 0.25, 1.2}};

std::map<std::string, std::string> keyValues(const std::string& text, const std::string& whole) {
    std::map<std::string, std::string> values;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find(',', at), text.size());
        const std::string item = text.substr(at, end - at);
        at = end + 1;
        if (item.empty())
            continue;
        const std::size_t equals = item.find('=');
        if (equals == std::string::npos || equals == 0)
            fail("Spectrum \"" + whole + "\": '" + item + "' is not KEY=VALUE");
        values[item.substr(0, equals)] = item.substr(equals + 1);
    }
    return values;
}

double number(std::map<std::string, std::string>& values, const std::string& key, const std::string& whole,
              std::optional<double> fallback, bool inG = false) {
    const auto found = values.find(key);
    if (found == values.end()) {
        if (!fallback)
            fail("Spectrum \"" + whole + "\" needs " + key + "=");
        return *fallback;
    }
    std::string text = found->second;
    values.erase(found);
    if (inG && !text.empty() && (text.back() == 'g' || text.back() == 'G'))
        text.pop_back();
    const auto value = tryParseReal(text);
    if (!value || !std::isfinite(*value) || *value < 0)
        fail("Spectrum \"" + whole + "\": " + key + "='" + text + "' is not a number of zero or more");
    return *value;
}

char letter(std::map<std::string, std::string>& values, const std::string& key, const std::string& whole,
            char fallback) {
    const auto found = values.find(key);
    if (found == values.end())
        return fallback;
    const std::string text = found->second;
    values.erase(found);
    if (text.size() != 1 || std::toupper(static_cast<unsigned char>(text[0])) < 'A' ||
        std::toupper(static_cast<unsigned char>(text[0])) > 'E')
        fail("Spectrum \"" + whole + "\": " + key + "='" + text + "' is not A, B, C, D or E");
    return static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
}

void refuseLeftOver(const std::map<std::string, std::string>& values, const std::string& whole,
                    const std::string& known) {
    if (!values.empty())
        fail("Spectrum \"" + whole + "\": unknown key '" + values.begin()->first + "' (keys: " + known + ")");
}

ResponseSpectrum ec8Spectrum(const std::string& body, const std::string& whole) {
    auto values = keyValues(body, whole);
    ResponseSpectrum s;
    s.kind = SpectrumKind::Ec8;
    const double type = number(values, "type", whole, 1.0);
    if (type != 1 && type != 2)
        fail("Spectrum \"" + whole + "\": type is 1 or 2");
    s.ec8Type = static_cast<int>(type);
    s.agR = number(values, "ag", whole, std::nullopt, true);
    s.ground = letter(values, "ground", whole, 'B');
    s.importance = number(values, "importance", whole, 1.0);
    s.dampingPercent = number(values, "damping", whole, 5.0);
    refuseLeftOver(values, whole, "type, ag, ground, importance, damping");
    const GroundParameters& g = (s.ec8Type == 1 ? kType1 : kType2)[s.ground - 'A'];
    s.soil = g.soil;
    s.tb = g.tb;
    s.tc = g.tc;
    s.td = g.td;
    s.eta = std::max(0.55, std::sqrt(10.0 / (5.0 + s.dampingPercent)));
    s.site = s.ground;
    return s;
}

ResponseSpectrum asce7Spectrum(const std::string& body, const std::string& whole) {
    auto values = keyValues(body, whole);
    ResponseSpectrum s;
    s.kind = SpectrumKind::Asce7;
    s.sds = number(values, "sds", whole, std::nullopt);
    s.sd1 = number(values, "sd1", whole, std::nullopt);
    s.tl = number(values, "tl", whole, 8.0);
    s.site = letter(values, "site", whole, 'D');
    refuseLeftOver(values, whole, "sds, sd1, tl, site");
    if (!(s.sds > 0) || !(s.sd1 > 0) || !(s.tl > 0))
        fail("Spectrum \"" + whole + "\": sds, sd1 and tl must be above zero");
    return s;
}

ResponseSpectrum tableSpectrum(const std::string& path) {
    ResponseSpectrum s;
    s.kind = SpectrumKind::Table;
    const std::vector<std::string> lines = loadLines(path);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        const std::size_t comma = line.find(',');
        const auto period = tryParseReal(line.substr(0, comma));
        const auto sa = comma == std::string::npos ? std::nullopt : tryParseReal(line.substr(comma + 1));
        if (!period || !sa) {
            if (s.periods.empty() && i == 0)
                continue; // the header
            fail("Spectrum file \"" + path + "\", line " + std::to_string(i + 1) + ": '" + line +
                 "' is not PERIOD,SA");
        }
        if (*period < 0 || *sa < 0 || (!s.periods.empty() && !(*period > s.periods.back())))
            fail("Spectrum file \"" + path + "\", line " + std::to_string(i + 1) +
                 ": periods must rise from zero and accelerations be zero or more");
        s.periods.push_back(*period);
        s.accelerations.push_back(*sa);
    }
    if (s.periods.size() < 2)
        fail("Spectrum file \"" + path + "\" holds fewer than two points");
    return s;
}

} // namespace

ResponseSpectrum parseResponseSpectrum(const std::string& text) {
    ResponseSpectrum spectrum;
    if (text.starts_with("ec8:"))
        spectrum = ec8Spectrum(text.substr(4), text);
    else if (text.starts_with("asce7:"))
        spectrum = asce7Spectrum(text.substr(6), text);
    else
        spectrum = tableSpectrum(text);
    spectrum.description = text;
    return spectrum;
}

double spectralAcceleration(const ResponseSpectrum& s, double t) {
    switch (s.kind) {
    case SpectrumKind::Ec8: {
        const double peak = s.agR * s.importance * s.soil * s.eta * 2.5;
        if (t <= s.tb)
            return s.agR * s.importance * s.soil * (1 + t / s.tb * (s.eta * 2.5 - 1));
        if (t <= s.tc)
            return peak;
        if (t <= s.td)
            return peak * s.tc / t;
        return peak * s.tc * s.td / (t * t);
    }
    case SpectrumKind::Asce7: {
        const double t0 = 0.2 * s.sd1 / s.sds, ts = s.sd1 / s.sds;
        if (t < t0)
            return s.sds * (0.4 + 0.6 * t / t0);
        if (t <= ts)
            return s.sds;
        if (t <= s.tl)
            return s.sd1 / t;
        return s.sd1 * s.tl / (t * t);
    }
    case SpectrumKind::Table:
        break;
    }
    if (t <= s.periods.front())
        return s.accelerations.front();
    if (t > s.periods.back())
        fail("The spectrum \"" + s.description + "\" ends at " + formatGeneral(s.periods.back()) +
             " s; the period " + formatSignificant(t, 4) + " s lies beyond it");
    const auto upper = std::lower_bound(s.periods.begin(), s.periods.end(), t);
    const std::size_t j = static_cast<std::size_t>(upper - s.periods.begin());
    const double share = (t - s.periods[j - 1]) / (s.periods[j] - s.periods[j - 1]);
    return s.accelerations[j - 1] + share * (s.accelerations[j] - s.accelerations[j - 1]);
}

double cornerPeriod(const ResponseSpectrum& s) {
    switch (s.kind) {
    case SpectrumKind::Ec8:
        return s.tc;
    case SpectrumKind::Asce7:
        return s.sd1 / s.sds;
    case SpectrumKind::Table:
        break;
    }
    double mostSa = 0, mostSaT = 0;
    for (std::size_t i = 0; i < s.periods.size(); ++i) {
        mostSa = std::max(mostSa, s.accelerations[i]);
        mostSaT = std::max(mostSaT, s.accelerations[i] * s.periods[i]);
    }
    if (!(mostSa > 0))
        fail("The spectrum \"" + s.description + "\" is zero everywhere");
    return mostSaT / mostSa;
}

char siteClass(const ResponseSpectrum& spectrum) {
    return spectrum.kind == SpectrumKind::Table ? 'D' : spectrum.site;
}

std::vector<std::string> spectrumLines(const ResponseSpectrum& s) {
    std::vector<std::string> lines{"spectrum=" + s.description};
    const auto add = [&](const std::string& name, double value) {
        lines.push_back(name + "=" + assessNumber(value));
    };
    switch (s.kind) {
    case SpectrumKind::Ec8:
        lines.push_back("spectrum_type=" + std::to_string(s.ec8Type));
        lines.push_back(std::string("ground_type=") + s.ground);
        add("agR_g", s.agR);
        add("importance_factor", s.importance);
        add("ag_g", s.agR * s.importance);
        add("S", s.soil);
        add("TB_s", s.tb);
        add("TC_s", s.tc);
        add("TD_s", s.td);
        add("damping_percent", s.dampingPercent);
        add("eta", s.eta);
        break;
    case SpectrumKind::Asce7:
        add("SDS_g", s.sds);
        add("SD1_g", s.sd1);
        add("TL_s", s.tl);
        add("T0_s", 0.2 * s.sd1 / s.sds);
        add("TS_s", s.sd1 / s.sds);
        break;
    case SpectrumKind::Table:
        lines.push_back("spectrum_points=" + std::to_string(s.periods.size()));
        add("TC_s", cornerPeriod(s));
        break;
    }
    return lines;
}

} // namespace kelvane
