// A start from the desktop menu in a sealed-off world: HOME, XDG_CONFIG_HOME, TMPDIR and the
// current folder are fresh temporary folders, PATH holds only the stand-in choosers a test
// puts there, the session bus is one that does not exist unless a test starts its own, and
// message boxes appear on a headless screen where the test can see and close them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "launch/MenuStart.h"
#include "launch/ScopedEnvironment.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/session/Session.h"
#include "support/TempFolder.h"

namespace keldra::launch::testing {

// Every file (with its bytes) and folder under some folders, to see what a run changed.
using FileTree = std::map<std::filesystem::path, std::string>;

class MenuStartTest : public ::testing::Test {
  protected:
    MenuStartTest();
    ~MenuStartTest() override;

    // The player's choice, made by the menu start under test.
    std::optional<std::filesystem::path> Start(MenuStartMode mode);

    // A stand-in dialog program on PATH that prints `output` and ends with `status`;
    // it notes its arguments so that a test can see whether and how it was asked.
    void InstallChooser(const std::string& name, int status, const std::string& output = "");
    bool WasAsked(const std::string& name) const;
    std::vector<std::string> ArgumentsOf(const std::string& name) const;

    // A game folder (created) with this name under the test's folder of games.
    std::filesystem::path MakeGameFolder(const std::string& name) const;
    void Remember(const std::string& bytes) const;
    std::filesystem::path RememberedFile() const;

    // Everything under HOME, the configuration folder, TMPDIR, the current folder and the
    // games folder.
    FileTree EverythingWritable() const;
    // The files and folders added, removed or changed since `before` was taken.
    std::set<std::filesystem::path> ChangedSince(const FileTree& before) const;
    // The titles of the windows on screen when the last Start showed a message box (closed
    // with Enter).
    const std::vector<std::wstring>& MessageBoxes() const { return messageBoxes_; }

    ScopedEnvironment environment_;
    keldra::testing::TempFolder home_;
    keldra::testing::TempFolder config_;
    keldra::testing::TempFolder temp_;
    keldra::testing::TempFolder work_;
    keldra::testing::TempFolder games_;
    keldra::testing::TempFolder programs_;  // the only folder on PATH
    keldra::testing::TempFolder notes_;     // what the stand-ins note, outside all of the above
    // Before the host, so that it ends after it: what the test made goes with it.
    platform::Session session_;
    platform::host::HeadlessHost host_;

  private:
    void CloseMessageBoxWhenItAppears();

    std::filesystem::path previousFolder_;
    std::vector<std::wstring> messageBoxes_;
};

}  // namespace keldra::launch::testing
