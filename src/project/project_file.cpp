#include "project/project_file.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "materials/material_fields.h"
#include "materials/material_models.h"
#include "model/name_lookup.h"
#include "script/settings_by_name.h"
#include "sections/section_settings_file.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace kelvane {
namespace {

constexpr std::string_view kModelKey = "model=";
constexpr std::string_view kChecksumKey = "modelChecksum=";
constexpr std::string_view kSettingsHeader = "[settings]";
constexpr std::string_view kMaterialPrefix = "[material ";
constexpr std::string_view kAddedMaterialPrefix = "[added material ";
constexpr std::string_view kSectionsHeader = "[frame section settings]";

void appendMaterial(std::vector<std::string>& lines, const TMAT& material) {
    lines.emplace_back();
    lines.push_back(std::string(material.added ? kAddedMaterialPrefix : kMaterialPrefix) + material.name +
                    "]");
    if (material.added) {
        lines.push_back("E=" + formatRoundTrip(material.e));
        lines.push_back("nu=" + formatRoundTrip(material.nu));
    }
    const MaterialModelInfo& model = materialModelInfo(material.model);
    lines.push_back("model=" + std::string(model.name));
    for (const MaterialParameterInfo& parameter : model.parameters)
        lines.push_back(std::string(parameter.name) + "=" +
                        formatRoundTrip(material.parameters.*parameter.field));
}

// The model's path as the project writes it: relative to the project's folder when the model lies
// in it or below it (so the two can move together), else absolute.
std::string storedModelPath(const std::string& projectPath, const std::string& modelPath) {
    namespace fs = std::filesystem;
    const fs::path model = fs::absolute(modelPath).lexically_normal();
    const fs::path folder = fs::absolute(projectPath).parent_path().lexically_normal();
    const fs::path relative = model.lexically_relative(folder);
    if (relative.empty() || *relative.begin() == "..")
        return model.string();
    return relative.generic_string();
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Reads the blocks of a project after its header lines.
class ProjectReader {
  public:
    ProjectReader(const ProjectFile& project, ModelStore& store, AnalysisSettings& analysis,
                  RecorderSettings& recorders, std::vector<std::string>& notes)
        : project_(project), store_(store), analysis_(analysis), recorders_(recorders), notes_(notes) {}

    void read() {
        const auto& lines = project_.lines;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            line_ = static_cast<int>(i) + 1;
            const std::string_view text = trimmed(lines[i]);
            if (text == kSectionsHeader) {
                readSections(i + 1);
                return;
            }
            if (text.empty() ||
                (block_ == Block::Header &&
                 (startsWith(text, kModelKey) || startsWith(text, kChecksumKey) || text == kProjectHeader)))
                continue;
            if (text.front() == '[' && text.back() == ']') {
                startBlock(text);
                continue;
            }
            readField(text);
        }
    }

  private:
    enum class Block { Header, Settings, Material, Skipped };

    [[noreturn]] void failHere(const std::string& message) const {
        fail("Project file \"" + project_.path + "\", line " + std::to_string(line_) + ": " + message);
    }

    void startBlock(std::string_view text) {
        if (text == kSettingsHeader) {
            block_ = Block::Settings;
            return;
        }
        const bool added = startsWith(text, kAddedMaterialPrefix);
        if (!added && !startsWith(text, kMaterialPrefix))
            failHere("\"" + std::string(text) + "\" is not a block of a project");
        const std::string name(
            text.substr((added ? kAddedMaterialPrefix : kMaterialPrefix).size(),
                        text.size() - (added ? kAddedMaterialPrefix : kMaterialPrefix).size() - 1));
        const std::int32_t existing = findMaterial(store_, name);
        block_ = Block::Material;
        if (added && existing != 0) {
            notes_.push_back("The added material " + name +
                             " was not added again: the model now has a material of that name");
            block_ = Block::Skipped;
        } else if (added) {
            material_ = addMaterial(store_, name);
        } else if (existing == 0) {
            notes_.push_back("The material " + name +
                             " is no longer in the model; its settings were left out");
            block_ = Block::Skipped;
        } else {
            material_ = existing;
        }
    }

    void readField(std::string_view text) {
        const auto equals = text.find('=');
        if (equals == std::string_view::npos)
            failHere("\"" + std::string(text) + "\" is neither a [block] line nor a name=value line");
        const std::string_view name = trimmed(text.substr(0, equals));
        const std::string_view value = trimmed(text.substr(equals + 1));
        try {
            switch (block_) {
            case Block::Header:
                failHere("\"" + std::string(text) + "\" comes before the first block");
            case Block::Settings:
                readSetting(name, value);
                break;
            case Block::Material:
                setMaterialField(store_.materials[static_cast<std::size_t>(material_)], name, value);
                break;
            case Block::Skipped:
                break;
            }
        } catch (const KelvaneError& error) {
            if (std::string(error.what()).starts_with("Project file \""))
                throw;
            failHere(error.what());
        }
    }

    // A setting this program does not know (one of a later version) is listed, not refused. The
    // name rule (elementTypeFromName=1) sets every section's type before the sections' own settings.
    void readSetting(std::string_view name, std::string_view value) {
        if (name == "elementTypeFromName") {
            setNamedValue(store_, analysis_, recorders_, name, value);
            return;
        }
        for (const auto& [known, current] : settingValues(analysis_, recorders_)) {
            (void)current;
            if (known == name) {
                setSettingByName(analysis_, recorders_, name, value);
                return;
            }
        }
        notes_.push_back("The setting " + std::string(name) +
                         " is not one this program knows; it was left out");
    }

    void readSections(std::size_t first) {
        const std::vector<std::string> lines(project_.lines.begin() + static_cast<std::ptrdiff_t>(first),
                                             project_.lines.end());
        std::vector<std::string> skipped;
        applySectionSettings(lines, project_.path, store_, &skipped, static_cast<int>(first) + 1);
        for (const std::string& name : skipped)
            notes_.push_back("The frame section " + name +
                             " is no longer in the model; its settings were left out");
    }

    const ProjectFile& project_;
    ModelStore& store_;
    AnalysisSettings& analysis_;
    RecorderSettings& recorders_;
    std::vector<std::string>& notes_;
    Block block_ = Block::Header;
    std::int32_t material_ = 0;
    int line_ = 0;
};

} // namespace

std::string modelChecksum(const std::string& modelPath) {
    const std::string bytes = loadText(modelPath);
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "fnv1a64:%016llx", static_cast<unsigned long long>(hash));
    return text.data();
}

std::vector<std::string> projectLines(const std::string& projectPath, const std::string& modelPath,
                                      const ModelStore& store, const AnalysisSettings& analysis,
                                      const RecorderSettings& recorders) {
    std::vector<std::string> lines{kProjectHeader};
    lines.push_back(std::string(kModelKey) + storedModelPath(projectPath, modelPath));
    lines.push_back(std::string(kChecksumKey) + modelChecksum(modelPath));
    lines.emplace_back();
    const std::vector<std::string> blocks = projectBlockLines(store, analysis, recorders);
    lines.insert(lines.end(), blocks.begin(), blocks.end());
    return lines;
}

std::vector<std::string> projectBlockLines(const ModelStore& store, const AnalysisSettings& analysis,
                                           const RecorderSettings& recorders) {
    std::vector<std::string> lines;
    lines.emplace_back(kSettingsHeader);
    for (const auto& [name, value] : settingValues(analysis, recorders))
        lines.push_back(name + "=" + value);
    for (int m = 1; m <= countOf(store.materialCount); ++m)
        appendMaterial(lines, store.materials[static_cast<std::size_t>(m)]);
    lines.emplace_back();
    lines.emplace_back(kSectionsHeader);
    const std::vector<std::string> sections = sectionSettingsLines(store);
    lines.insert(lines.end(), sections.begin(), sections.end());
    return lines;
}

void saveProject(const std::string& projectPath, const std::string& modelPath, const ModelStore& store,
                 const AnalysisSettings& analysis, const RecorderSettings& recorders) {
    saveLinesCrLf(projectPath, projectLines(projectPath, modelPath, store, analysis, recorders));
}

ProjectFile readProject(const std::string& projectPath) {
    ProjectFile project;
    project.path = projectPath;
    project.lines = loadLines(projectPath);
    const auto refuse = [&](int line, const std::string& message) {
        fail("Project file \"" + projectPath + "\", line " + std::to_string(line) + ": " + message);
    };
    if (project.lines.empty() || project.lines[0] != kProjectHeader)
        refuse(1, "expected the line \"" + std::string(kProjectHeader) + "\"; this is not a Kelvane project");
    for (std::size_t i = 1; i < project.lines.size(); ++i) {
        const std::string_view text = trimmed(project.lines[i]);
        if (!text.empty() && text.front() == '[')
            break;
        if (startsWith(text, kModelKey))
            project.modelPath = std::string(text.substr(kModelKey.size()));
        else if (startsWith(text, kChecksumKey))
            project.modelChecksum = std::string(text.substr(kChecksumKey.size()));
    }
    if (project.modelPath.empty())
        refuse(2, "the project names no model file (model=...)");
    namespace fs = std::filesystem;
    const fs::path model(project.modelPath);
    if (model.is_relative())
        project.modelPath = (fs::absolute(projectPath).parent_path() / model).lexically_normal().string();
    return project;
}

std::vector<std::string> applyProject(const ProjectFile& project, const std::string& modelPath,
                                      ModelStore& store, AnalysisSettings& analysis,
                                      RecorderSettings& recorders) {
    std::vector<std::string> notes;
    if (modelChecksum(modelPath) != project.modelChecksum)
        notes.push_back("The model file " + modelPath +
                        " has changed since the project was saved; what still matches by name was applied");
    const std::vector<std::string> blockNotes = applyProjectBlocks(project, store, analysis, recorders);
    notes.insert(notes.end(), blockNotes.begin(), blockNotes.end());
    return notes;
}

std::vector<std::string> applyProjectBlocks(const ProjectFile& project, ModelStore& store,
                                            AnalysisSettings& analysis, RecorderSettings& recorders) {
    std::vector<std::string> notes;
    ProjectReader(project, store, analysis, recorders, notes).read();
    return notes;
}

} // namespace kelvane
