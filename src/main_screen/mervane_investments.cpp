// The investment solvers.
#include "app/program.h"
#include "main_screen/mervane.h"

namespace tv {

void Mervane::bindInvestmentHandlers() {}

std::int16_t Mervane::Calc_Invest(bool& ok)
{
    ok = true;
    return option("Opt_CI_daily").value() ? 365 : 12;
}

}  // namespace tv
