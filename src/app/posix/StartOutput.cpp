#include "app/StartOutput.h"

#include <cstdio>

int StartOutput::Show(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

void StartOutput::Complain(const std::string& reason) {
    std::fprintf(stderr, "keldra-config: %s\n", reason.c_str());
}
