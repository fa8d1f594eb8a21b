// tarvolin-replay [SCRIPT]: runs the program headless from a script of user events (standard input
// without SCRIPT) and prints what the user would see, one JSON object a line.
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>

#include "replay/replay.h"

int main(int argc, char** argv)
{
    if (argc > 2 || (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0))) {
        std::cerr << "usage: tarvolin-replay [SCRIPT]   (reads the script from standard input without SCRIPT)\n";
        return argc > 2 ? tv::kReplayScriptError : tv::kReplayOk;
    }
    std::ifstream file;
    std::istream* script = &std::cin;
    if (argc == 2) {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "tarvolin-replay: cannot read " << argv[1] << '\n';
            return tv::kReplayScriptError;
        }
        script = &file;
    }
    try {
        return tv::runReplay(*script, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "tarvolin-replay: " << e.what() << '\n';
        return tv::kReplayProgramFault;
    }
}
