#include "settings/color_form.h"

#include <string>
#include <utility>
#include <vector>

#include "app/links.h"
#include "app/messages.h"
#include "app/program.h"
#include "settings/color_form_controls.h"
#include "settings/colors.h"
#include "settings/profile.h"
#include "settings/save_failed.h"
#include "settings/schema.h"

namespace tv {

namespace {

using namespace color_form_layout;
using ListName = ColorFm::NameOf<Kind::ComboList>;
using LabelName = ColorFm::NameOf<Kind::Label>;

// The lists a preset or "Use Window Defaults" acts on, in the order they are enabled and disabled.
constexpr ListName kSchemeLists[] = {"cbo_LnBackGrnd", "cbo_LnText",   "cbo_LnHiTxt",   "cbo_InvBackGrnd",
                                     "cbo_InvText",    "cbo_InvHiTxt", "cbo_TextBoxBG", "cbo_Pesets",
                                     "cbo_LnButBG",    "cbo_invButBG"};
constexpr LabelName kLabelSamples[] = {"lbl_lnSample", "lbl_LnHiSample", "lbl_invSample", "lbl_invHiSample"};

// What a scheme list holds: a view's colour, the textbox background (a list without Black), or a button's
// face or text colour (the presets leave those alone; buttons show black text whatever is stored).
enum class ListRole { ViewColor, TextBox, ButtonFace, ButtonText };

// The scheme's lists in the order they are read, tested and saved: each list, its settings key and the
// colour-table slot it fills.
struct SchemeList {
    ListName list;
    SettingKey key;
    Color ColorTable::*slot;
    ListRole role = ListRole::ViewColor;
};
constexpr ListName kTextBoxList = "cbo_TextBoxBG";
constexpr SchemeList kScheme[] = {
    {"cbo_LnBackGrnd", SettingKey::LoanBkgrndColor, &ColorTable::gLoanBkgrndColor},
    {"cbo_LnText", SettingKey::LoanTxtColor, &ColorTable::gLoanTxtColor},
    {"cbo_LnHiTxt", SettingKey::LoanHiTxtColor, &ColorTable::gLoanHiTxtColor},
    {"cbo_InvBackGrnd", SettingKey::InvestBkgrndColor, &ColorTable::gInvestBkgrndColor},
    {"cbo_InvText", SettingKey::InvestTxtColor, &ColorTable::gInvestTxtColor},
    {"cbo_InvHiTxt", SettingKey::InvestHiTxtColor, &ColorTable::gInvestHiTxtColor},
    {kTextBoxList, SettingKey::TextBoxBgColor, &ColorTable::gTextBoxBgColor, ListRole::TextBox},
    {"cbo_LnButBG", SettingKey::LoanButtonColor, &ColorTable::gLoanButtonColor, ListRole::ButtonFace},
    {"cbo_LnButTxt", SettingKey::LoanButtonTxtColor, &ColorTable::gLoanButtonTxtColor, ListRole::ButtonText},
    {"cbo_invButBG", SettingKey::InvestButtonColor, &ColorTable::gInvestButtonColor, ListRole::ButtonFace},
    {"cbo_invButTxt", SettingKey::InvestButtonTxtColor, &ColorTable::gInvestButtonTxtColor, ListRole::ButtonText},
};

// The textbox list leaves out Black: its entry p is colour position p + kTextBoxFirst.
constexpr int kTextBoxFirst = colorpos::Red;
constexpr int textBoxEntry(int position)
{
    return position - kTextBoxFirst;
}

// Colour list positions of a preset: background, text, highlighted text, and the textbox background.
struct Preset {
    const char* name;
    int background;
    int text;
    int hiliteText;
    int textBox;
};
// Preset 0 is the start-up scheme and sets both views; the others set the view chosen below them.
constexpr int kStartupPreset = 0;
constexpr Preset kPresets[] = {
    {"Boring Grey - Default", startupDefault(SettingKey::LoanBkgrndColor), startupDefault(SettingKey::LoanTxtColor),
     startupDefault(SettingKey::LoanHiTxtColor), startupDefault(SettingKey::TextBoxBgColor)},
    {"DkRed - Cyan - Yellow ", colorpos::DkRed, colorpos::Cyan, colorpos::Yellow, colorpos::LtOrange},
    {"DkGreen - Cyan - Yellow ", colorpos::DkGreen, colorpos::Cyan, colorpos::Yellow, colorpos::LtOrange},
    {"LtGrn - Blue - Red", colorpos::LtGreen, colorpos::Blue, colorpos::Red, colorpos::LtOrange},
    {"LtBlue - Blue - Red", colorpos::LtBlue, colorpos::Blue, colorpos::Red, colorpos::LtOrange},
    {"PlGrn - Blk - Blue", colorpos::PaleGreen, colorpos::Black, colorpos::Blue, colorpos::LtOrange},
    {"Tan - Blk - Red", colorpos::Tan, colorpos::Black, colorpos::Red, colorpos::LtOrange},
};
static_assert(startupDefault(SettingKey::InvestBkgrndColor) == kPresets[kStartupPreset].background &&
                  startupDefault(SettingKey::InvestTxtColor) == kPresets[kStartupPreset].text &&
                  startupDefault(SettingKey::InvestHiTxtColor) == kPresets[kStartupPreset].hiliteText,
              "the start-up preset sets both views");

constexpr int kFullList = colorpos::Count;      // every colour
constexpr int kTextList = colorpos::LtTan + 1;  // through "Lt Tan": the desktop's colours are no text colours

// The message of a scheme whose background and text are the same colour.

const bool kColorNamesListed = listTableTexts<"ColorFm">(kColorList, &NamedColor::name);
const bool kPresetsListed = listTableTexts<"ColorFm">(kPresets, &Preset::name);

std::vector<UserText> colorNames(int from, int count)
{
    std::vector<UserText> names;
    for (int i = from; i < from + count; ++i)
        names.push_back(declaredText("ColorFm", kColorList[static_cast<std::size_t>(i)].name));
    return names;
}

}  // namespace

ColorFm::ColorFm(Program& program) : DeclaredForm(program.app(), "ColorFm"), m_program(program)
{
    setCaption(formText<"ColorFm", "Colors">());
    setRect({0, 0, kClientWidth + 2 * kBorderTwips, kClientHeight + kTitleBarTwips + 2 * kBorderTwips});
    setBackColor(kDesignBackColor);

    Font heading;
    heading.name = "Arial Black";
    heading.size = 9;
    heading.bold = true;  // so a substitute for the heavy face still looks heavy
    Font arial;
    arial.name = "Arial";
    for (Control* c : controls()) {
        switch (c->kind()) {
            case Kind::Label:
            case Kind::OptionButton:
            case Kind::CheckBox:
                c->setBackColor(kDesignBackColor);
                break;
            default:
                break;
        }
    }
    for (LabelName name : NameList<Kind::Label>{"lbl_LoanScr", "lbl_Investments", "lbl_forAll", "lbl_Presets"})
        label(name).setFont(heading);
    for (LabelName name : NameList<Kind::Label>{"lbl_lnSample", "lbl_LnHiSample", "lbl_LnButSample", "lbl_invSample",
                                                "lbl_invHiSample", "lbl_invButSample", "cbo_Sample"}) {
        Label& s = label(name);
        s.setFont(arial);
        s.setBorder(true);
        s.setAlignment(Alignment::Center);
        s.setForeColor(kBlack);
    }
    label("lbl_TxtIsBlk").setFont(arial);
    // Command buttons show black text whatever is stored, so the button-text lists only show it.
    combo("cbo_LnButTxt").setEnabled(false);
    combo("cbo_invButTxt").setEnabled(false);
    option("opt_loan").setValue(true);
    button("btn_cancel").setCancel(true);
    bindHandlers();
}

void ColorFm::bindHandlers()
{
    bind("Form_Load", [this] { Form_Load(); });
    bind("cbo_LnBackGrnd_Click", [this] { cbo_LnBackGrnd_Click(); });
    bind("cbo_LnText_Click", [this] { cbo_LnText_Click(); });
    bind("cbo_LnHiTxt_Click", [this] { cbo_LnHiTxt_Click(); });
    bind("cbo_InvBackGrnd_Click", [this] { cbo_InvBackGrnd_Click(); });
    bind("cbo_InvText_Click", [this] { cbo_InvText_Click(); });
    bind("cbo_InvHiTxt_Click", [this] { cbo_InvHiTxt_Click(); });
    bind("cbo_LnButBG_Click", [this] { cbo_LnButBG_Click(); });
    bind("cbo_invButBG_Click", [this] { cbo_invButBG_Click(); });
    bind("cbo_TextBoxBG_Click", [this] { cbo_TextBoxBG_Click(); });
    bind("cbo_Pesets_Click", [this] { cbo_Pesets_Click(); });
    bind("chk_WinDefaults_Click", [this] { chk_WinDefaults_Click(); });
    bind("but_testScheme_Click", [this] { but_testScheme_Click(); });
    bind("Btn_S_C_Click", [this] { Btn_S_C_Click(); });
    bind("btn_cancel_Click", [this] { btn_cancel_Click(); });
}

int ColorFm::chosenPosition(NameOf<Kind::ComboList> list) const
{
    int entry = combo(list).listIndex();
    return list.index() == kTextBoxList.index() ? entry + kTextBoxFirst : entry;
}

Color ColorFm::chosenColor(NameOf<Kind::ComboList> list) const
{
    return GetColorValue(m_program.module1(), chosenPosition(list));
}

bool ColorFm::windowDefaults() const
{
    // A greyed box (2, from a hand-edited file) counts as ticked.
    return check("chk_WinDefaults").value() != 0;
}

void ColorFm::Form_Load()
{
    Module1& m = m_program.module1();
    const ColorTable& t = m.colors;
    m.CenterForm(*this, 1000, 1000);

    for (ListName name : NameList<Kind::ComboList>{"cbo_LnBackGrnd", "cbo_InvBackGrnd", "cbo_LnButBG", "cbo_invButBG"})
        combo(name).setItems(colorNames(0, kFullList));
    for (ListName name : NameList<Kind::ComboList>{"cbo_LnText", "cbo_LnHiTxt", "cbo_InvText", "cbo_InvHiTxt",
                                                   "cbo_LnButTxt", "cbo_invButTxt"})
        combo(name).setItems(colorNames(0, kTextList));
    combo(kTextBoxList).setItems(colorNames(kTextBoxFirst, kFullList - kTextBoxFirst));
    std::vector<UserText> presets;
    for (const Preset& p : kPresets) presets.push_back(declaredText(name(), p.name));
    combo("cbo_Pesets").setItems(presets);
    // The presets leave the button lists alone: they start at the start-up defaults (Lt Gray faces,
    // black text), which the table's colours replace below unless the desktop's colours are in use.
    for (ListRole role : {ListRole::ButtonFace, ListRole::ButtonText})
        for (const SchemeList& s : kScheme)
            if (s.role == role) combo(s.list).setListIndex(startupDefault(s.key));

    combo("cbo_Pesets").setListIndex(kStartupPreset);
    // 0 or 1; any other number a hand-edited file holds shows as the greyed state, which counts as ticked.
    int flag = t.gUseWindowDefaults;
    check("chk_WinDefaults").setValue(flag == 0 || flag == 1 ? flag : 2);
    if (t.gUseWindowDefaults != 0) return;

    combo("cbo_Pesets").setListIndex(m.lastPreset);
    // The scheme in effect; a colour a list does not hold leaves that list without an entry. Command
    // buttons show black text whatever is stored.
    for (const SchemeList& s : kScheme) {
        int position = s.role == ListRole::ButtonText ? colorpos::Black : GetColorIndex(m, t.*s.slot);
        combo(s.list).setListIndex(s.role == ListRole::TextBox ? textBoxEntry(position) : position);
    }
}

void ColorFm::cbo_LnBackGrnd_Click()
{
    Color c = chosenColor("cbo_LnBackGrnd");
    label("lbl_lnSample").setBackColor(c);
    label("lbl_LnHiSample").setBackColor(c);
}

void ColorFm::cbo_LnText_Click()
{
    label("lbl_lnSample").setForeColor(chosenColor("cbo_LnText"));
}

void ColorFm::cbo_LnHiTxt_Click()
{
    label("lbl_LnHiSample").setForeColor(chosenColor("cbo_LnHiTxt"));
}

void ColorFm::cbo_InvBackGrnd_Click()
{
    Color c = chosenColor("cbo_InvBackGrnd");
    label("lbl_invSample").setBackColor(c);
    label("lbl_invHiSample").setBackColor(c);
}

void ColorFm::cbo_InvText_Click()
{
    label("lbl_invSample").setForeColor(chosenColor("cbo_InvText"));
}

void ColorFm::cbo_InvHiTxt_Click()
{
    label("lbl_invHiSample").setForeColor(chosenColor("cbo_InvHiTxt"));
}

void ColorFm::cbo_LnButBG_Click()
{
    label("lbl_LnButSample").setBackColor(chosenColor("cbo_LnButBG"));
}

void ColorFm::cbo_invButBG_Click()
{
    label("lbl_invButSample").setBackColor(chosenColor("cbo_invButBG"));
}

void ColorFm::cbo_TextBoxBG_Click()
{
    label("cbo_Sample").setBackColor(chosenColor(kTextBoxList));
}

void ColorFm::cbo_Pesets_Click()
{
    if (windowDefaults()) return;
    int p = combo("cbo_Pesets").listIndex();
    if (p < 0 || p >= static_cast<int>(std::size(kPresets))) return;
    const Preset& preset = kPresets[p];
    auto apply = [this, &preset](ListName back, ListName text, ListName hilite) {
        combo(back).setListIndex(preset.background);
        combo(text).setListIndex(preset.text);
        combo(hilite).setListIndex(preset.hiliteText);
    };
    bool loan = p == kStartupPreset || option("opt_loan").value();
    bool invest = p == kStartupPreset || !option("opt_loan").value();
    if (loan) apply("cbo_LnBackGrnd", "cbo_LnText", "cbo_LnHiTxt");
    if (invest) apply("cbo_InvBackGrnd", "cbo_InvText", "cbo_InvHiTxt");
    combo(kTextBoxList).setListIndex(textBoxEntry(preset.textBox));
}

void ColorFm::chk_WinDefaults_Click()
{
    bool ticked = windowDefaults();
    for (ListName name : kSchemeLists) combo(name).setEnabled(!ticked);
    if (ticked) {
        // What the desktop's own colours look like; the button samples stay as they are.
        for (LabelName name : kLabelSamples) label(name).setBackColor(syscolor::kApplicationWorkspace);
        label("lbl_lnSample").setForeColor(syscolor::kWindowText);
        label("lbl_invSample").setForeColor(syscolor::kWindowText);
        label("lbl_LnHiSample").setForeColor(syscolor::kHighlightText);
        label("lbl_invHiSample").setForeColor(syscolor::kHighlightText);
        // The desktop's own box colours, text included, so a dark desktop's sample reads.
        label("cbo_Sample").setBackColor(syscolor::kWindowBackground);
        label("cbo_Sample").setForeColor(syscolor::kWindowText);
        return;
    }
    // Back to the current choices, as each list's Click shows them; a list without an entry has
    // nothing to show.
    struct Refresh {
        ListName list;
        void (ColorFm::*handler)();
    };
    const Refresh refresh[] = {
        {"cbo_LnBackGrnd", &ColorFm::cbo_LnBackGrnd_Click}, {"cbo_LnText", &ColorFm::cbo_LnText_Click},
        {"cbo_LnHiTxt", &ColorFm::cbo_LnHiTxt_Click},       {"cbo_InvBackGrnd", &ColorFm::cbo_InvBackGrnd_Click},
        {"cbo_InvText", &ColorFm::cbo_InvText_Click},       {"cbo_InvHiTxt", &ColorFm::cbo_InvHiTxt_Click},
        {"cbo_TextBoxBG", &ColorFm::cbo_TextBoxBG_Click},
    };
    label("cbo_Sample").setForeColor(kBlack);
    for (auto [list, handler] : refresh)
        if (combo(list).listIndex() >= 0) (this->*handler)();
}

void ColorFm::but_testScheme_Click()
{
    Module1& m = m_program.module1();
    ColorTable& t = m.colors;
    if (windowDefaults()) {
        t.gUseWindowDefaults = 1;
        SetWindowColors(m);
    } else {
        t.gUseWindowDefaults = 0;
        for (const SchemeList& s : kScheme) t.*s.slot = chosenColor(s.list);
        t.gLoanContrastColor = contrastColor(chosenPosition("cbo_LnBackGrnd"));
        t.gInvestContrastColor = contrastColor(chosenPosition("cbo_InvBackGrnd"));
    }
    m.lastPreset = combo("cbo_Pesets").listIndex();
    m_program.mainScreen().colorsChanged();
}

void ColorFm::Btn_S_C_Click()
{
    Module1& m = m_program.module1();
    bool ticked = windowDefaults();
    auto pos = [this](ListName list) { return combo(list).listIndex(); };
    if (!ticked) {
        bool loanSame = pos("cbo_LnBackGrnd") == pos("cbo_LnText") || pos("cbo_LnBackGrnd") == pos("cbo_LnHiTxt");
        bool investSame = pos("cbo_InvBackGrnd") == pos("cbo_InvText") || pos("cbo_InvBackGrnd") == pos("cbo_InvHiTxt");
        bool buttonsSame = pos("cbo_LnButBG") == pos("cbo_LnButTxt") || pos("cbo_invButBG") == pos("cbo_invButTxt");
        if (loanSame || investSame || buttonsSame) {
            m.msgAnswer = msgBox(userText<"Background and Text are the same color">(), MsgButtons::Ok, MsgIcon::None,
                                 inputErrorTitle());
            return;
        }
    }

    std::vector<std::pair<std::string, std::string>> keys{
        {keyName(SettingKey::UseWindowDefaults), std::to_string(check("chk_WinDefaults").value())}};
    if (!ticked) {
        for (const SchemeList& s : kScheme) {
            // The textbox list always saves a position (Black without an entry). A text list without an
            // entry (the file names a desktop colour it does not hold) leaves its key as the file has it.
            if (s.role == ListRole::TextBox || pos(s.list) >= 0)
                keys.emplace_back(keyName(s.key), std::to_string(chosenPosition(s.list)));
        }
    }
    if (m_program.saveSettings(*this, keys)) unload();
}

void ColorFm::btn_cancel_Click()
{
    unload();
}

}  // namespace tv
