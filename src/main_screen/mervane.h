#pragma once

#include <cstdint>
#include <string>

#include "screen_model/form.h"

namespace tv {

class Program;
class Module1;

// The main screen: the Loans and Investments views, their inputs, results, menus and toolbar.
class Mervane : public Form {
public:
    explicit Mervane(Program& program);

    // Start-up of the whole program (shows this form, reads the settings, fills in the defaults).
    void Main();

    // Calculation state.
    double durYears = 0;
    double intRate = 0;
    std::int16_t instPerYear = 12;
    bool annuityInput = false;
    std::int16_t viewSwitchCount = 0;
    std::int16_t invGroup = 0;
    std::int16_t rateGroup = 0;
    bool inputCheckOn = false;
    double valPayment = 0;
    double valXpay = 0;
    double valXpayStrt = 0;
    double valHiPayoff = 0;
    double valTotIntwX = 0;
    double valTotPaywX = 0;
    double valLstPay = 0;
    std::string crlf;

private:
    Program& m_program;
};

}  // namespace tv
