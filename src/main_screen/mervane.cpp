#include "main_screen/mervane.h"

#include "app/program.h"

namespace tv {

Mervane::Mervane(Program& program) : Form(program.app(), "Mervane", {}, {}), m_program(program) {}

void Mervane::Main()
{
    show();
}

}  // namespace tv
