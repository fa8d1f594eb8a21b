#pragma once

namespace tv {

class Form;
struct HistoryEntry;

// Shows a form, or brings it to the front when it is shown already.
void showInFront(Form& form);

// The main screen's toolbar buttons, by their place on the toolbar (numbered from 1; separators count).
enum class MainTool {
    Loan = 1,
    Table = 2,
    Invest = 4,
    PayoffToAmount = 5,
    CheckInput = 6,
    Years = 8,
    Months = 9,
    IniFile = 11,
    History = 12,
    Exit = 15,
};

// The items of the Invest button's drop-down, numbered from 1.
enum class InvestMenuItem {
    PayoffToAmount = 1,
    PayoffToFund = 2,
    FundToAmount = 3,
    ClearFund = 4,
};

// The loan the table screen opens with, as the main screen holds it.
struct TableStart {
    double amount = 0;       // the amount box, or the start-up amount when it holds no number
    double duration = 0;     // the duration box in its unit, or the start-up duration in that unit
    bool months = false;     // the duration is in months (the Months view)
    double ratePercent = 0;  // the main rate list's chosen rate, 0 when none is chosen
};

// What the other screens read of the main screen, or do to it.
class MainScreenLink {
public:
    virtual TableStart tableStart() const = 0;
    // A screen that a toolbar button opens shows that button pressed while it is open.
    virtual void setToolPressed(MainTool tool, bool pressed) = 0;
    // The colour table changed: the main screen repaints and initialises its inputs again.
    virtual void colorsChanged() = 0;
    // Puts a recorded calculation's inputs back, with its view, option, frequency and unit, and calculates it
    // again; false for an entry naming no option of this program.
    virtual bool restoreCalculation(const HistoryEntry& entry) = 0;
    virtual Form& form() = 0;

protected:
    ~MainScreenLink() = default;
};

}  // namespace tv
