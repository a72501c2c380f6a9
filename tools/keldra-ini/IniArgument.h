// One argument of keldra-ini's command line as the system gives it (bytes on Linux, UTF-16
// on Windows), in each form the tool uses it.
#pragma once

#include <optional>
#include <string>

#include "launch/ProgramArgument.h"

class IniArgument {
  public:
    explicit IniArgument(const keldra::launch::ArgumentChar* native) : native_(native) {}

    // The encoding an argument's text must be in: UTF-8 on Linux, UTF-16 on Windows.
    static const char* const kEncoding;

    // As messages show it, and as a command name or a number is read: Linux keeps the
    // bytes as given; Windows gives UTF-8.
    std::string Shown() const;
    // Its characters; nothing when it has none, not being well-formed in kEncoding.
    std::optional<std::wstring> Text() const;
    // The settings file it names, as the settings code takes file names.
    std::wstring FileName() const;

  private:
    std::basic_string<keldra::launch::ArgumentChar> native_;
};
