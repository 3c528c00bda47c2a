#include "solver/solver_location.h"
#include "solver/solver_version.h"
#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

void makeExecutable(const fs::path& file, const std::string& content = "#!/bin/sh\n") {
    test::writeFile(file.string(), content);
    fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
}

std::string solverIn(const TempDir& folder) {
    return (folder.path() / solverExecutableName()).string();
}

TEST(SolverLocation, SearchesTheProgramFolderThenTheUserFolderThenThePath) {
    TempDir program, user, onPath;
    makeExecutable(solverIn(onPath));
    const std::string path = onPath.path().string();
    EXPECT_EQ(findSolverExecutable({program.path().string(), user.path().string(), path}), solverIn(onPath));
    makeExecutable(solverIn(user));
    EXPECT_EQ(findSolverExecutable({program.path().string(), user.path().string(), path}), solverIn(user));
    makeExecutable(solverIn(program));
    EXPECT_EQ(findSolverExecutable({program.path().string(), user.path().string(), path}), solverIn(program));
}

TEST(SolverLocation, TakesTheFirstRunnableSolverOnThePath) {
    TempDir program, empty, notRunnable, first, second;
    test::writeFile(solverIn(notRunnable), "not executable");
    fs::create_directory(empty.path() / solverExecutableName()); // a folder of that name is no solver
    makeExecutable(solverIn(first));
    makeExecutable(solverIn(second));
    const std::string path = "::" + empty.path().string() + ":" + notRunnable.path().string() + ":" +
                             first.path().string() + ":" + second.path().string();
    EXPECT_EQ(findSolverExecutable({program.path().string(), "", path}), solverIn(first));
}

TEST(SolverLocation, RelativeFoldersGiveTheSolverByItsFullPath) {
    // The solver is started in the script's folder, so a path relative to here would not reach it.
    TempDir tools;
    fs::create_directory(tools.path() / "bin");
    makeExecutable(tools.path() / "bin" / solverExecutableName());
    const fs::path previous = fs::current_path();
    fs::current_path(tools.path());
    const std::string found = findSolverExecutable({"", "", "bin"});
    fs::current_path(previous);
    EXPECT_EQ(found, (fs::canonical(tools.path()) / "bin" / solverExecutableName()).string());
}

TEST(SolverLocation, GivesNothingWhenNoSolverExists) {
    TempDir program, user, elsewhere;
    EXPECT_EQ(
        findSolverExecutable({program.path().string(), user.path().string(), elsewhere.path().string()}), "");
    EXPECT_EQ(findSolverExecutable({"", "", ""}), "");
    // An empty PATH entry stands for the current folder, which is never searched.
    const fs::path previous = fs::current_path();
    makeExecutable(solverIn(program));
    fs::current_path(program.path());
    EXPECT_EQ(findSolverExecutable({elsewhere.path().string(), "", ":"}), "");
    fs::current_path(previous);
}

TEST(SolverLocation, UserFolderFollowsTheXdgDataHome) {
    EXPECT_EQ(userSolverFolder("/data/me", "/home/me"), "/data/me/kelvane/bin");
    EXPECT_EQ(userSolverFolder("", "/home/me"), "/home/me/.local/share/kelvane/bin");
    // A relative XDG_DATA_HOME is invalid and ignored.
    EXPECT_EQ(userSolverFolder("relative/data", "/home/me"), "/home/me/.local/share/kelvane/bin");
    EXPECT_EQ(userSolverFolder("", ""), "");
}

TEST(SolverLocation, InstallCommandNamesTheInstallerBesideTheProgramUnlessItIsOnThePath) {
    TempDir program, elsewhere;
    const std::string folder = program.path().string();
    EXPECT_EQ(solverInstallCommand({folder, "", elsewhere.path().string()}), solverInstallerName());
    const std::string installer = (program.path() / solverInstallerName()).string();
    makeExecutable(installer);
    EXPECT_EQ(solverInstallCommand({folder, "", elsewhere.path().string()}), installer);
    EXPECT_EQ(solverInstallCommand({folder, "", elsewhere.path().string() + ":" + folder + "/"}),
              solverInstallerName());
}

TEST(SolverLocation, MissingSolverMessageNamesEveryPlaceAndTheInstallCommand) {
    EXPECT_EQ(
        missingSolverMessage({"/opt/kelvane/bin", "/home/me/.local/share/kelvane/bin", "/usr/bin"}),
        "The OpenSees solver \"opensees\" was found neither in the program folder \"/opt/kelvane/bin\", "
        "nor in \"/home/me/.local/share/kelvane/bin\", nor on the PATH. To install it for your user, "
        "run: kelvane-install-solver");
    EXPECT_EQ(missingSolverMessage({"/opt/kelvane/bin", "", ""}),
              "The OpenSees solver \"opensees\" was found neither in the program folder \"/opt/kelvane/bin\" "
              "nor on the PATH. To install it for your user, run: kelvane-install-solver");
}

TEST(SolverVersion, LineShowsTheVersionTheSolverAnswersAndWhereItIs) {
    TempDir program, user;
    const SolverSearch search{program.path().string(), user.path().string(), ""};
    EXPECT_EQ(solverVersionLine(search), "OpenSees: not found. " + missingSolverMessage(search));

    // A solver that does not know --version fails on it; its version is then not shown.
    makeExecutable(solverIn(user), "#!/bin/sh\necho \"couldn't read file $1\" >&2\nexit 1\n");
    EXPECT_EQ(solverVersionLine(search), "OpenSees (" + solverIn(user) + ")");

    makeExecutable(solverIn(program), "#!/bin/sh\n[ \"$1\" = --version ] && printf ' 3.7.1 \\r\\nmore\\n'\n");
    EXPECT_EQ(solverVersion(solverIn(program)), "3.7.1");
    EXPECT_EQ(solverVersionLine(search), "OpenSees 3.7.1 (" + solverIn(program) + ")");
}

} // namespace
} // namespace kelvane
