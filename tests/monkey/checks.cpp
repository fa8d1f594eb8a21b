#include "checks.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>
#include <stdexcept>
#include <variant>

#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "engine/limits.h"
#include "screen_model/application.h"
#include "screen_model/form.h"

namespace tv::monkey {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The artefact of a text as it stands, without regard to the user.
std::string rawArtefact(const std::string& text)
{
    // Words: "nan", "inf", "infinity" in any case (the design's "Infation" is a word of its own).
    std::string word;
    auto endWord = [&]() -> std::string {
        std::string w = lower(word);
        word.clear();
        if (w == "nan" || w == "inf" || w == "infinity") return "\"" + w + "\"";
        return {};
    };
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            word += c;
            continue;
        }
        if (std::string a = endWord(); !a.empty()) return a;
    }
    if (std::string a = endWord(); !a.empty()) return a;

    for (std::size_t i = 0; i < text.size(); ++i) {
        // A number with an exponent: a digit, "e" or "E", an optional sign and a digit.
        if (isDigit(text[i]) && i + 2 < text.size() && (text[i + 1] == 'e' || text[i + 1] == 'E')) {
            std::size_t j = i + 2;
            if (text[j] == '+' || text[j] == '-') ++j;
            if (j < text.size() && isDigit(text[j])) return "an exponent";
        }
        if (text.compare(i, 2, "$-") == 0) return "a minus sign inside money";
        // A negative zero: "-0", "-0.00", "-$0.00" or "($0.00)", "($0)".
        bool minus = text[i] == '-';
        bool paren = text[i] == '(' && i + 1 < text.size() && text[i + 1] == '$';
        if (!minus && !paren) continue;
        std::size_t j = i + 1;
        if (j < text.size() && text[j] == '$') ++j;
        bool digit = false;
        bool nonZero = false;
        for (; j < text.size() && (isDigit(text[j]) || text[j] == ',' || text[j] == '.'); ++j) {
            if (isDigit(text[j])) {
                digit = true;
                nonZero = nonZero || text[j] != '0';
            }
        }
        if (digit && !nonZero) return "a negative zero";
    }
    return {};
}

// The text without the user's own odd texts.
std::string withoutUserOddities(std::string text, const UserTexts& user)
{
    // Longest first, so a short text ("-0") does not break up a longer one that holds it ("-03E03").
    std::vector<const std::string*> odd;
    for (const std::string& u : user)
        if (!u.empty() && !rawArtefact(u).empty()) odd.push_back(&u);
    std::stable_sort(odd.begin(), odd.end(),
                     [](const std::string* a, const std::string* b) { return a->size() > b->size(); });
    for (const std::string* u : odd)
        for (std::size_t at = text.find(*u); at != std::string::npos; at = text.find(*u, at))
            text.replace(at, u->size(), " ");
    return text;
}

// Half a unit of the last place a format shows.
double halfUnit(const std::string& format)
{
    if (format == kWholeFormat || format == kPercentFormat) return 0.5;
    if (format == kDurationFormat || format == kFixed3Format) return 0.0005;
    return 0.005;
}

bool known(const std::string& format)
{
    for (std::string_view f : {kMoneyFormat, kDurationFormat, kWholeFormat, kPercentFormat, kCurrencyFormat,
                               kStandardFormat, kFixed2Format, kFixed3Format})
        if (format == f) return true;
    return false;
}

void add(std::vector<std::string>& out, const std::string& where, const std::string& problem)
{
    if (!problem.empty()) out.push_back(where + ": " + problem);
}

std::string quoted(const std::string& s)
{
    if (s.size() <= 80) return "\"" + s + "\"";
    return "\"" + s.substr(0, 77) + "...\"";
}

void checkOptionGroups(const Form& form, bool exactlyOne, std::vector<std::string>& out)
{
    std::map<const Control*, std::pair<int, int>> groups;  // container -> (buttons, selected)
    for (const Control* c : form.controls()) {
        if (c->kind() != Kind::OptionButton) continue;
        auto& g = groups[c->container()];
        ++g.first;
        if (static_cast<const OptionButton*>(c)->value()) ++g.second;
    }
    for (const auto& [container, g] : groups) {
        const std::string name = form.name() + "." + (container ? container->name() : std::string("(form)"));
        if (g.second > 1) out.push_back(name + ": " + std::to_string(g.second) + " option buttons selected");
        if (exactlyOne && g.first > 1 && g.second != 1) out.push_back(name + ": no option button selected");
    }
}

void checkTexts(const Form& form, const UserTexts& user, std::vector<std::string>& out)
{
    add(out, form.name() + " caption", artefactIn(form.caption(), user));
    for (const Control* c : form.controls()) {
        if (!c->shownToUser()) continue;
        const std::string where = form.name() + "." + c->name();
        switch (c->kind()) {
            case Kind::MaskedBox: {
                const auto* b = static_cast<const MaskedBox*>(c);
                add(out, where, boxProblem(b->text(), b->format(), b->display(), user));
                break;
            }
            case Kind::Label:
            case Kind::Frame:
            case Kind::CommandButton:
            case Kind::OptionButton:
            case Kind::CheckBox:
                add(out, where, artefactIn(c->caption(), user));
                break;
            case Kind::ComboList:
                add(out, where, artefactIn(static_cast<const ComboList*>(c)->text(), user));
                break;
            case Kind::TextArea:
                add(out, where, artefactIn(static_cast<const TextArea*>(c)->text(), user));
                break;
            default:
                break;
        }
    }
}

// A form of the program by its name.
Form& form(Application& app, const char* name)
{
    Form* f = app.findForm(name);
    if (!f) throw std::logic_error(std::string("the program has no form ") + name);
    return *f;
}

// A flag of a form's state, or null when the form does not name it.
const bool* flag(const std::vector<StateField>& state, const char* name)
{
    for (const StateField& field : state)
        if (field.name == name) return std::get_if<bool>(&field.value);
    return nullptr;
}

}  // namespace

std::string artefactIn(const std::string& text, const UserTexts& user)
{
    std::string a = rawArtefact(text);
    if (a.empty()) return a;
    a = rawArtefact(withoutUserOddities(text, user));
    return a.empty() ? a : a + " in " + quoted(text);
}

std::string boxProblem(const std::string& text, const std::string& format, const std::string& display,
                       const UserTexts& user)
{
    const bool typed = user.count(text) > 0;
    // A box without a display format (a search text) shows what the user typed, as typed.
    if (typed && format.empty() && display == text) return {};
    std::optional<double> value = parseBoxValue(text);
    if (!typed && text.find_first_not_of(" \t") != std::string::npos) {
        if (!value) return "the program wrote " + quoted(text) + ", which is not a number";
        if (text.find_first_of("eE") != std::string::npos)
            return "the program wrote " + quoted(text) + " with an exponent";
        if (std::string a = rawArtefact(text); !a.empty()) return a + " in " + quoted(text);
    }
    if (!value || text.find_first_not_of(" \t") == std::string::npos) {
        // Text that is not a number shows as it is.
        if (display != text) return quoted(text) + " shows as " + quoted(display);
        return {};
    }
    if (std::string a = rawArtefact(display); !a.empty()) return a + " in the display " + quoted(display);
    if (format.empty() || !known(format)) return {};
    std::optional<double> shown = parseBoxValue(display);
    if (!shown) return "the display " + quoted(display) + " of " + quoted(text) + " does not read back";
    double slack = halfUnit(format) * (1 + 1e-9) + std::fabs(*value) * 1e-15;
    if (!(std::fabs(*shown - *value) <= slack))
        return "the display " + quoted(display) + " of " + quoted(text) + " reads back as another value";
    if (formatNumber(*shown, format) != display)
        return "the display " + quoted(display) + " does not read back as itself (" +
               quoted(formatNumber(*shown, format)) + ")";
    return {};
}

std::vector<std::string> checkCells(const Grid& grid, const std::set<int>& cells, const UserTexts& user)
{
    std::vector<std::string> out;
    if (!grid.shownToUser()) return out;
    for (int cell : cells) {
        int r = cell / std::max(1, grid.cols());
        int c = cell % std::max(1, grid.cols());
        if (!grid.isCell(r, c)) continue;
        add(out, grid.form().name() + "." + grid.name() + "(" + std::to_string(r) + "," + std::to_string(c) + ")",
            artefactIn(grid.text(r, c), user));
    }
    return out;
}

std::vector<std::string> checkState(const std::vector<StateField>& state)
{
    std::vector<std::string> out;
    for (const StateField& field : state) {
        if (const double* v = std::get_if<double>(&field.value); v && !std::isfinite(*v))
            out.push_back("the calculation state " + field.name + " is not finite");
        const long long* n = std::get_if<long long>(&field.value);
        if (field.name == "instPerYear" && n && *n != 12 && *n != 24 && *n != 26)
            out.push_back("installments per year are " + std::to_string(*n));
    }
    return out;
}

std::vector<std::string> checkProgram(Program& program, const UserTexts& user)
{
    std::vector<std::string> out;
    Application& app = program.app();
    if (app.ended()) return out;
    Form& m = form(app, "Mervane");
    const std::vector<StateField> state = m.stateFields();
    if (!m.loaded() || !m.visible()) out.push_back("the main screen is not shown");

    const bool loan = m.menu("mnu_view_loan").checked();
    const bool invest = m.menu("mnu_view_invest").checked();
    const bool years = m.menu("mnu_Years").checked();
    const bool months = m.menu("mnu_Months").checked();
    if (loan == invest) out.push_back("Loans and Investments are both checked, or neither");
    if (years == months) out.push_back("Years and Months are both checked, or neither");
    const Toolbar& tb = m.toolbar("Toolbar1");
    auto pressed = [&](int i) { return tb.button(i).pressed; };
    if (pressed(1) != loan || pressed(4) != invest) out.push_back("the Loan and Invest buttons do not match the view");
    if (pressed(8) != years || pressed(9) != months)
        out.push_back("the Years and Months buttons do not match the unit");
    const bool sheetOpen = form(app, "LoanSheet").loaded();
    if (pressed(2) != sheetOpen) out.push_back("the Table button does not match the open table screen");
    if (pressed(11) != form(app, "IniFile").loaded())
        out.push_back("the Ini File button does not match the open editor");
    if (const bool* on = flag(state, "inputCheckOn");
        on && (m.menu("mnu_InvInpChk").checked() != *on || tb.button(6).image != (*on ? 13 : 14)))
        out.push_back("the input checker's menu, button and flag disagree");

    checkOptionGroups(m, true, out);
    if (Form& f = form(app, "IniFile"); f.loaded()) checkOptionGroups(f, true, out);
    if (Form& f = form(app, "ColorFm"); f.loaded()) checkOptionGroups(f, false, out);
    if (sheetOpen) {
        Form& s = form(app, "LoanSheet");
        checkOptionGroups(s, false, out);
        bool percent = s.menu("mnuOptDwn", 0).checked();
        bool amount = s.menu("mnuOptDwn", 1).checked();
        bool inYears = s.menu("mnuOptLen", 0).checked();
        bool inMonths = s.menu("mnuOptLen", 1).checked();
        if (percent == amount) out.push_back("LoanSheet: Percent Down and Amount Down are both checked, or neither");
        if (inYears == inMonths) out.push_back("LoanSheet: Years and Months are both checked, or neither");
        // The design captions carry an access key ("&Years in Loan") that the unit menus do not write back.
        auto plain = [](std::string caption) {
            caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
            return caption;
        };
        if (plain(s.frame("frmLoanLen").caption()) != (inMonths ? "Months in Loan" : "Years in Loan"))
            out.push_back("LoanSheet: the length frame does not name the checked unit");
        if (plain(s.label("lblDwnPay").caption()) != (amount ? "Amount Down" : "Percent Down"))
            out.push_back("LoanSheet: the down payment label does not name the checked unit");
    }

    if (app.pointer() != Pointer::Default) out.push_back("the pointer is still the hourglass");
    if (Control* f = app.focus(); f && !f->form().loaded()) out.push_back("the focus is on a form that is not loaded");

    for (std::string& problem : checkState(state)) out.push_back(std::move(problem));
    double answer = program.module1().msgAnswer;
    if (answer != 0 && answer != kAnswerOk && answer != kAnswerYes && answer != kAnswerNo)
        out.push_back("the last answer is " + std::to_string(answer));

    // The amount boxes hold what a calculation reads: the program never puts more than the money limit there.
    for (const char* name : {"fp_Prin", "fpRetFund"}) {
        const std::string& text = m.box(name).text();
        std::optional<double> v = parseBoxValue(text);
        if (v && std::fabs(*v) > limits::kMaxMoney && !user.count(text))
            out.push_back(std::string("Mervane.") + name + ": the program put " + quoted(text) +
                          " there, beyond the money limit");
    }

    for (Form* f : app.forms())
        if (f->loaded() && f->visible()) checkTexts(*f, user, out);
    return out;
}

}  // namespace tv::monkey
