#pragma once

#include <functional>

namespace keldra::testing {

// Runs `body` in a forked child and returns its exit status (-1 if it did not exit
// normally). For tests that change process-wide state: limits, signals, the user.
int RunInChild(const std::function<int()>& body);

// In a child: becomes the unprivileged user "nobody" when running as root, so that file
// permissions apply as they do for a player. Returns false if that failed.
bool DropRootPrivileges();

}  // namespace keldra::testing
