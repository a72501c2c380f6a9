#include "platform/kernel/ProcessArguments.h"

#include <string>

#include "platform/kernel/CommandLineText.h"
#include "platform/kernel/FileNameCodec.h"
#include "platform/kernel/ProcessStart.h"

namespace keldra::platform {

namespace {

struct RecordedLine {
    std::wstring text;
    std::size_t tailStart = 0;
};

RecordedLine& Line() {
    static RecordedLine line;
    return line;
}

}  // namespace

void ProcessArguments::Record(int argc, char** argv) {
    __argc = argc;
    __argv = argv;
    RecordedLine& line = Line();
    line = {};
    // A program may be started with no arguments at all, not even its name.
    if (argc < 1 || argv == nullptr || argv[0] == nullptr) return;
    line.text = CommandLineText::ProgramName(FileNameCodec::Decode(argv[0]));
    line.tailStart = line.text.size();
    for (int i = 1; i < argc; ++i) {
        line.text += L' ';
        if (i == 1) line.tailStart = line.text.size();
        line.text += CommandLineText::Argument(FileNameCodec::Decode(argv[i]));
    }
}

LPWSTR ProcessArguments::CommandLine() {
    return Line().text.data();
}

LPWSTR ProcessArguments::CommandTail() {
    return Line().text.data() + Line().tailStart;
}

}  // namespace keldra::platform
