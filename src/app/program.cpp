#include "app/program.h"

#include "main_screen/mervane.h"

namespace tv {

Program::Program(Platform& platform) : m_app(platform), m_module1(platform)
{
    m_mervane = std::make_unique<Mervane>(*this);
}

Program::~Program() = default;

void Program::Main()
{
    m_mervane->Main();
}

}  // namespace tv
