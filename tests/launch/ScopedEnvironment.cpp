#include "launch/ScopedEnvironment.h"

#include <cstdlib>

namespace keldra::launch::testing {

ScopedEnvironment::~ScopedEnvironment() {
    for (const auto& [name, value] : previous_) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
}

void ScopedEnvironment::Set(const std::string& name, const std::string& value) {
    Keep(name);
    setenv(name.c_str(), value.c_str(), 1);
}

void ScopedEnvironment::Unset(const std::string& name) {
    Keep(name);
    unsetenv(name.c_str());
}

void ScopedEnvironment::Keep(const std::string& name) {
    if (previous_.contains(name)) return;
    const char* value = std::getenv(name.c_str());
    previous_[name] = value ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace keldra::launch::testing
