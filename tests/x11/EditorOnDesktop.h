// keldra-config on a real X desktop with a window manager, driven as a player drives it:
// xdotool for the mouse and keys, the X server's own answers for what is on screen.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/ChildProgram.h"
#include "support/TempFolder.h"
#include "support/XvfbServer.h"

namespace keldra::testing {

class EditorOnDesktop : public ::testing::Test {
  protected:
    void SetUp() override;

    std::string Xdotool(const std::vector<std::string>& args) const;
    std::string Xprop(const std::vector<std::string>& args) const;

    // Starts the editor in the game folder (or `startFolder`, with `arguments`) and waits
    // for its window; its X window id.
    std::string StartEditor(const std::vector<std::string>& arguments = {},
                            const std::filesystem::path& startFolder = {});
    std::map<std::string, std::string> Geometry() const;
    // The window's top-left corner on the screen.
    std::pair<int, int> Place() const;
    // Moves the pointer to a point of the window, counted from its top-left corner.
    void MoveTo(int x, int y) const;
    void ClickAt(int x, int y) const;
    std::optional<int> WaitForExit() const;
    std::string EditorErrors() const;

    XvfbServer xvfb_{1920, 1440};  // room for the window at twice its size
    TempFolder folder_;
    TempFolder errors_;
    std::unique_ptr<ChildProgram> windowManager_;
    std::unique_ptr<ChildProgram> editor_;
    std::string window_;
};

}  // namespace keldra::testing
