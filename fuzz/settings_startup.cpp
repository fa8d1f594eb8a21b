// The program started on any settings file, then the settings editor and the colour screen opened and saved
// on it. Properties: nothing throws; the main screen starts in exactly one view and one duration unit, with
// every box holding a number; each save writes the file, and the main screen starts again from what it wrote.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "app/program.h"
#include "common/numbers.h"
#include "fuzz_check.h"
#include "main_screen/mervane.h"
#include "screen_model/scripted_platform.h"
#include "settings/color_form.h"
#include "settings/file_system.h"
#include "settings/ini_file_form.h"
#include "settings/settings_path.h"

namespace {

void checkMainScreen(tv::Program& program)
{
    tv::Mervane& m = program.mervane();
    FUZZ_CHECK(m.menu("mnu_view_loan").checked() != m.menu("mnu_view_invest").checked(), "exactly one view");
    FUZZ_CHECK(m.menu("mnu_Years").checked() != m.menu("mnu_Months").checked(), "exactly one duration unit");
    for (tv::Control* c : m.controls()) {
        if (c->kind() != tv::Kind::MaskedBox) continue;
        const std::string& text = static_cast<tv::MaskedBox*>(c)->text();
        if (text.empty()) continue;
        std::optional<double> v = tv::parseBoxValue(text);
        FUZZ_CHECK(v && std::isfinite(*v), c->name() + " holds a number: " + text);
    }
    FUZZ_CHECK(std::isfinite(m.calc().durYears) && std::isfinite(m.calc().intRate), "the calculation state is finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tv::MemoryFileSystem fs;
    fs.files[tv::kSettingsFileName] = std::string(reinterpret_cast<const char*>(data), size);
    try {
        tv::ScriptedPlatform platform;
        tv::Program program(platform);
        program.setFileSystem(fs);
        program.Main();
        checkMainScreen(program);
        program.mervane().button("btn_Calc").userClick();
        checkMainScreen(program);

        // Without a modal loop the windows stay open for the code below, as a user would leave them.
        program.mervane().menu("mnu_IniFileEd").userChoose();
        platform.queueAnswer(tv::kAnswerYes);  // save values that read back otherwise as typed
        program.iniFile().button("btn_save").userClick();
        FUZZ_CHECK(!program.iniFile().loaded(), "the editor saved and closed");
        program.mervane().menu("mnu_SetColors").userChoose();
        program.colorFm().check("chk_WinDefaults").setValue(0);
        program.colorFm().button("Btn_S_C").userClick();
        program.colorFm().userClose();

        tv::ScriptedPlatform again;
        tv::Program next(again);
        next.setFileSystem(fs);
        next.Main();
        checkMainScreen(next);
    } catch (const std::exception& e) {
        FUZZ_CHECK(false, std::string("the program threw: ") + e.what());
    }
    return 0;
}
