#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

namespace tv {

class Control;
class Form;
class MenuItem;
class Program;
class ScriptedPlatform;
class Toolbar;
class Translator;
struct PlatformRecord;

// Exit statuses of a replay.
inline constexpr int kReplayOk = 0;
inline constexpr int kReplayExpectFailed = 1;  // the script ran, an `expect` did not hold
inline constexpr int kReplayScriptError = 2;   // a line the driver cannot run (unknown name or command, bad syntax)
inline constexpr int kReplayProgramFault = 3;  // the program itself threw: a fault of the program, not of the script

// An extra script command: receives the rest of the line after the command word (leading blanks
// removed); returns false with `error` set to stop the script with a script error.
using ReplayCommand = std::function<bool(Program& program, const std::string& args, std::string& error)>;

struct ReplayOptions {
    // Called once the program exists (with its scripted platform) and before Program::Main().
    std::function<void(Program&)> onStart;
    // Commands beyond the driver's own, by their command word.
    std::map<std::string, ReplayCommand> extraCommands;
    // The form that bare names fall back to last and whose toolbar `tool` clicks.
    std::string mainForm = "Mervane";
    // The user's language for runReplay's program (English without).
    std::shared_ptr<const Translator> translator;
};

// Builds a Program on a ScriptedPlatform, runs Program::Main() and then `script`, one command a line,
// writing what the user would see to `out` (one compact JSON object a line) and script errors to `err`.
// Returns one of the exit statuses above.
int runReplay(std::istream& script, std::ostream& out, std::ostream& err, const ReplayOptions& options = {});

// Runs `script` on a program that already exists (Main() is not called; forms a test created on the
// program's application take part like the program's own). `platform` is the program's platform; its
// listener and modal loop belong to the driver until this returns. `onStart` is not called.
int runScript(Program& program, ScriptedPlatform& platform, std::istream& script, std::ostream& out, std::ostream& err,
              const ReplayOptions& options = {});

// The JSON objects the driver prints, in field order (see `print`).
using ReplayJson = nlohmann::ordered_json;
ReplayJson controlJson(const Control& control);
ReplayJson menuItemJson(const MenuItem& item);
// Button `index` (from 1) of a toolbar, named "Toolbar1(4)".
ReplayJson toolButtonJson(const Toolbar& toolbar, int index);
ReplayJson formJson(const Form& form);
// What the driver prints for something the program did outside ({"message":...}, {"printed":...},
// {"help":...}, {"started":...}, {"ended":true}, {"saved":NAME,"text":...} for a file's bytes,
// {"saved":NAME,"title":...,"rows":[...]} for a PDF's table, {"chart":CAPTION,...} with each series' point
// count and first, last and highest points); null for records it does not print (clipboard).
ReplayJson recordJson(const PlatformRecord& record);
// The inner objects of `print state` and `print colors`.
ReplayJson stateJson(Program& program);
ReplayJson colorsJson(Program& program);
// One compact line of JSON; text that is not valid UTF-8 is replaced rather than failing.
std::string jsonLine(const ReplayJson& json);

}  // namespace tv
