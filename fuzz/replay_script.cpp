// The replay driver over any script text, on the program with its settings in memory. Property: the replay
// ends with status 0 (ran), 1 (an expect failed) or 2 (a line it cannot run), never with a fault of the
// program (3) or a crash.
#include <cstdint>
#include <sstream>
#include <string>

#include "app/program.h"
#include "fuzz_check.h"
#include "replay/replay.h"
#include "settings/file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tv::MemoryFileSystem fs;
    tv::ReplayOptions options;
    options.onStart = [&fs](tv::Program& program) { program.setFileSystem(fs); };
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    int status = tv::kReplayProgramFault;
    try {
        status = tv::runReplay(script, out, err, options);
    } catch (const std::exception& e) {
        FUZZ_CHECK(false, std::string("the replay threw: ") + e.what());
    }
    FUZZ_CHECK(status == tv::kReplayOk || status == tv::kReplayExpectFailed || status == tv::kReplayScriptError,
               "the replay ended with status " + std::to_string(status) + ": " + err.str());
    return 0;
}
