#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

#include <string>
#include <vector>

// A project keeps what the user gave a model beyond its file: the analysis and recorder settings,
// the materials' models and parameters, the materials the user added and the frame sections'
// settings, with the model file it belongs to and that file's checksum. It is a readable text file:
//
//   Kelvane project 1
//   model=three-storey-rc-frame.s2k            (relative to the project's folder when it can be)
//   modelChecksum=fnv1a64:0123456789abcdef
//
//   [settings]
//   analysisType=3
//   ...
//   [material CONC]
//   model=Concrete02
//   fpc=40.74
//   ...
//   [added material CONFINED]
//   E=30000
//   nu=0.2
//   model=Concrete02
//   ...
//   [frame section settings]
//   Kelvane frame section settings 1            (the section settings file, to the end)
//   ...
namespace kelvane {

inline constexpr const char* kProjectHeader = "Kelvane project 1";

// The checksum a project keeps of its model file: 64-bit FNV-1a of the file's bytes, as text.
std::string modelChecksum(const std::string& modelPath);

std::vector<std::string> projectLines(const std::string& projectPath, const std::string& modelPath,
                                      const ModelStore& store, const AnalysisSettings& analysis,
                                      const RecorderSettings& recorders);
// The blocks after the header lines: the settings, the materials and the section settings.
std::vector<std::string> projectBlockLines(const ModelStore& store, const AnalysisSettings& analysis,
                                           const RecorderSettings& recorders);

// Writes the project with CR LF, atomically (a failed save keeps the previous file).
void saveProject(const std::string& projectPath, const std::string& modelPath, const ModelStore& store,
                 const AnalysisSettings& analysis, const RecorderSettings& recorders);

struct ProjectFile {
    std::string path;
    std::string modelPath; // as the program opens it: resolved against the project's folder
    std::string modelChecksum;
    std::vector<std::string> lines;
};

// Reads a project and its header lines; a file that is not a project, or lacks its model line, is
// refused with a message naming the file and the line.
ProjectFile readProject(const std::string& projectPath);

// Applies the project to a model imported from `modelPath`: the settings, the materials of the
// same name, the added materials (appended) and the sections of the same name. What the model no
// longer has is left out; the result lists it, and says so when the model file has changed since
// the project was saved (empty when everything applied). A malformed line stops with a message
// naming the project file and the line; the store and settings may then be partly changed, so
// callers apply a project to copies.
std::vector<std::string> applyProject(const ProjectFile& project, const std::string& modelPath,
                                      ModelStore& store, AnalysisSettings& analysis,
                                      RecorderSettings& recorders);
// The same without the look at the model file: the blocks of project.lines alone.
std::vector<std::string> applyProjectBlocks(const ProjectFile& project, ModelStore& store,
                                            AnalysisSettings& analysis, RecorderSettings& recorders);

} // namespace kelvane
