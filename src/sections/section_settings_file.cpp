#include "sections/section_settings_file.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "common/text_file.h"
#include "model/name_lookup.h"
#include "sections/section_fields.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <string_view>

namespace kelvane {

namespace {

constexpr std::array<std::string_view, 13> kFieldNames = {
    "elementType", "sectionKind", "divideFX",     "divideFY",     "barNumNX",   "barNumNY", "cover",
    "topBar",      "bottomBar",   "hingeLengthI", "hingeLengthJ", "geomTransf", "colour"};

// The shortest text that reads back as the same double.
std::string exactReal(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string colourText(std::int32_t colour) {
    std::array<char, 8> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "#%06X", static_cast<unsigned>(colour) & 0xFFFFFFu);
    return buffer.data();
}

std::string fieldText(const TSECTION& s, std::string_view field) {
    if (field == "elementType")
        return formatInt(s.elementType);
    if (field == "sectionKind")
        return formatInt(s.sectionKind);
    if (field == "divideFX")
        return formatInt(s.divideFX);
    if (field == "divideFY")
        return formatInt(s.divideFY);
    if (field == "barNumNX")
        return formatInt(s.barNumNX);
    if (field == "barNumNY")
        return formatInt(s.barNumNY);
    if (field == "cover")
        return exactReal(s.cover);
    if (field == "topBar")
        return exactReal(s.topBar);
    if (field == "bottomBar")
        return exactReal(s.bottomBar);
    if (field == "hingeLengthI")
        return exactReal(s.hingeLengthI);
    if (field == "hingeLengthJ")
        return exactReal(s.hingeLengthJ);
    if (field == "geomTransf")
        return formatInt(s.geomTransf);
    return colourText(s.colour);
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Section numbers by name; a name used twice maps to 0 together with the first number in `clash`.
struct NameIndex {
    std::map<std::string, int> numbers;
    std::map<std::string, std::pair<int, int>> clashes;
};

NameIndex indexNames(const ModelStore& store) {
    NameIndex index;
    for (int k = 1; k <= countOf(store.frameSectionCount); ++k) {
        const std::string& name = store.frameSections[static_cast<std::size_t>(k)].name;
        const auto [it, inserted] = index.numbers.emplace(name, k);
        if (!inserted && !index.clashes.count(name))
            index.clashes.emplace(name, std::make_pair(it->second, k));
    }
    return index;
}

std::string clashMessage(const std::string& name, std::pair<int, int> numbers) {
    return "Frame sections " + std::to_string(numbers.first) + " and " + std::to_string(numbers.second) +
           " are both named '" + name + "'; section settings are kept by name and cannot tell them apart";
}

// Element type 7 (rigid link) comes from the section's name at import and is carried as it is.
void setElementType(TSECTION& section, std::string_view text) {
    const std::int32_t type = parseInt(text);
    if (type < ElasticBeamColumn || type > RigidLink)
        fail("'" + std::string(text) + "' is not an element type (1..7)");
    section.elementType = type;
}

// The material of a section's core or bars, given by name: empty for none.
std::int32_t materialByName(const ModelStore& store, std::string_view name) {
    if (name.empty())
        return 0;
    const std::int32_t found = findMaterial(store, name);
    if (found == 0)
        fail("the model has no material named '" + std::string(name) + "'");
    return found;
}

std::string materialName(const ModelStore& store, std::int32_t m) {
    return m >= 1 && m <= countOf(store.materialCount) ? store.materials[static_cast<std::size_t>(m)].name
                                                       : std::string();
}

// Reads the lines into edited copies of the named sections, checking everything before anything
// is applied. With `skipped`, a section the model lacks is checked, then listed there and left out.
class SettingsReader {
  public:
    SettingsReader(const std::string& fileName, int firstLineNumber, const ModelStore& store,
                   std::vector<std::string>* skipped)
        : fileName_(fileName), lineOffset_(firstLineNumber - 1), store_(store), names_(indexNames(store)),
          skipped_(skipped) {}

    std::map<int, TSECTION> read(const std::vector<std::string>& lines) {
        if (lines.empty())
            failAt(1, "the file is empty; expected the line \"" + std::string(kSectionSettingsHeader) + "\"");
        if (lines[0] != kSectionSettingsHeader)
            failAt(1, "expected the line \"" + std::string(kSectionSettingsHeader) + "\", found \"" +
                          lines[0] + "\"");
        for (std::size_t i = 1; i < lines.size(); ++i)
            readLine(static_cast<int>(i) + 1, lines[i]);
        finishBlock();
        return edited_;
    }

  private:
    [[noreturn]] void failAt(int line, const std::string& message) const {
        fail("Section settings file \"" + fileName_ + "\", line " + std::to_string(line + lineOffset_) +
             ": " + message);
    }

    void readLine(int line, const std::string& text) {
        const std::string_view content = trimmed(text);
        if (content.empty())
            return;
        if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
            finishBlock();
            startBlock(line, text.substr(1, text.size() - 2));
            return;
        }
        const auto equals = content.find('=');
        if (equals == std::string_view::npos)
            failAt(line, "\"" + text + "\" is neither a [section name] line nor a field=value line");
        if (!current_)
            failAt(line, "a field comes before the first [section name] line");
        const std::string field(trimmed(content.substr(0, equals)));
        const std::string_view value = trimmed(content.substr(equals + 1));
        if (!given_.emplace(field, line).second)
            failAt(line, "field " + field + " is given twice for section '" + currentName_ +
                             "' (first on line " + std::to_string(given_[field]) + ")");
        try {
            if (field == "elementType")
                setElementType(*current_, value);
            else if (field == "coreMaterial")
                current_->coreMaterial = materialByName(store_, value);
            else if (field == "rebarMaterial")
                current_->rebarMaterial = materialByName(store_, value);
            else
                setSectionField(*current_, field, value);
        } catch (const KelvaneError& error) {
            failAt(line, error.what());
        }
    }

    void startBlock(int line, const std::string& name) {
        if (const auto clash = names_.clashes.find(name); clash != names_.clashes.end())
            failAt(line, clashMessage(name, clash->second));
        const auto found = names_.numbers.find(name);
        if (found == names_.numbers.end() && skipped_) {
            skipped_->push_back(name);
            outside_ = TSECTION{};
            current_ = &outside_;
            currentName_ = name;
            currentLine_ = line;
            given_.clear();
            return;
        }
        if (found == names_.numbers.end())
            failAt(line, "the model has no frame section named '" + name + "'");
        if (const auto seen = blockLines_.find(found->second); seen != blockLines_.end())
            failAt(line, "section '" + name + "' is given twice (first on line " +
                             std::to_string(seen->second) + ")");
        blockLines_.emplace(found->second, line);
        current_ =
            &edited_.emplace(found->second, store_.frameSections[static_cast<std::size_t>(found->second)])
                 .first->second;
        currentName_ = name;
        currentLine_ = line;
        given_.clear();
    }

    void finishBlock() {
        if (!current_)
            return;
        std::string missing;
        for (std::string_view field : kFieldNames)
            if (!given_.count(std::string(field)))
                missing += (missing.empty() ? "" : ", ") + std::string(field);
        if (!missing.empty())
            failAt(currentLine_, "section '" + currentName_ + "' lacks " + missing);
        // The material fields are optional (files written before sections had them): absent is none.
        if (!given_.count("coreMaterial"))
            current_->coreMaterial = 0;
        if (!given_.count("rebarMaterial"))
            current_->rebarMaterial = 0;
        current_ = nullptr;
    }

    const std::string& fileName_;
    int lineOffset_;
    const ModelStore& store_;
    NameIndex names_;
    std::map<int, TSECTION> edited_;
    std::map<int, int> blockLines_;
    std::vector<std::string>* skipped_;
    TSECTION outside_; // the block of a section the model lacks, read and dropped
    TSECTION* current_ = nullptr;
    std::string currentName_;
    int currentLine_ = 0;
    std::map<std::string, int> given_;
};

} // namespace

std::vector<std::string> sectionSettingsLines(const ModelStore& store) {
    const NameIndex names = indexNames(store);
    if (!names.clashes.empty())
        fail(clashMessage(names.clashes.begin()->first, names.clashes.begin()->second));
    std::vector<std::string> lines{kSectionSettingsHeader};
    for (int k = 1; k <= countOf(store.frameSectionCount); ++k) {
        const TSECTION& section = store.frameSections[static_cast<std::size_t>(k)];
        lines.push_back("[" + section.name + "]");
        for (std::string_view field : kFieldNames)
            lines.push_back(std::string(field) + "=" + fieldText(section, field));
        if (section.coreMaterial != 0)
            lines.push_back("coreMaterial=" + materialName(store, section.coreMaterial));
        if (section.rebarMaterial != 0)
            lines.push_back("rebarMaterial=" + materialName(store, section.rebarMaterial));
    }
    return lines;
}

void exportSectionSettings(const std::string& path, const ModelStore& store) {
    saveLinesCrLf(path, sectionSettingsLines(store));
}

int applySectionSettings(const std::vector<std::string>& lines, const std::string& fileName,
                         ModelStore& store, std::vector<std::string>* skippedSections, int firstLineNumber) {
    SettingsReader reader(fileName, firstLineNumber, store, skippedSections);
    const std::map<int, TSECTION> edited = reader.read(lines);
    for (const auto& [number, section] : edited)
        store.frameSections[static_cast<std::size_t>(number)] = section;
    return static_cast<int>(edited.size());
}

int importSectionSettings(const std::string& path, ModelStore& store) {
    return applySectionSettings(loadLines(path), path, store);
}

} // namespace kelvane
