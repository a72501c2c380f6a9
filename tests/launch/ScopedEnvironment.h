// Environment variables set or removed for one test and put back as they were afterwards.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace keldra::launch::testing {

class ScopedEnvironment {
  public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void Set(const std::string& name, const std::string& value);
    void Unset(const std::string& name);

  private:
    void Keep(const std::string& name);

    std::map<std::string, std::optional<std::string>> previous_;
};

}  // namespace keldra::launch::testing
