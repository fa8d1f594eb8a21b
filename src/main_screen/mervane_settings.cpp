// The main screen's way into the settings editor and the colour screen.
#include "app/program.h"
#include "main_screen/mervane.h"

namespace tv {

void Mervane::bindSettingsHandlers()
{
    bind("mnu_IniFileEd_Click", [this] { mnu_IniFileEd_Click(); });
    bind("mnu_SetColors_Click", [this] { mnu_SetColors_Click(); });
}

void Mervane::mnu_IniFileEd_Click()
{
    Form& editor = m_program.settingsEditor();
    app().setPointer(Pointer::Hourglass);
    editor.load();  // its Form_Load reads the settings file
    app().setPointer(Pointer::Default);
    editor.show(true);
    app().setPointer(Pointer::Default);
}

void Mervane::mnu_SetColors_Click()
{
    m_program.colorScreen().show(true);
}

}  // namespace tv
