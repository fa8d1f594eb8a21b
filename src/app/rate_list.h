#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tv {

class ComboList;

// The three ways the screens list interest rates.
enum class RateScale {
    Main,    // entry k is k × 0.125 % ("0.000" to "25.000"); the settings value of a main-screen rate is k
    Editor,  // entry k is (k + 1) × 0.125 % ("0.125" to "25.000"); the settings value is k + 1
    Table,   // entry k is k × 0.25 % ("0.000", then "0.25" to "25.00")
};

// A rate list: its entries, their texts and the rate chosen, over the combo list that shows it.
// Forms ask it for rates; nothing parses a rate back out of an entry's text.
class RateList {
public:
    RateList(ComboList& list, RateScale scale) : m_list(list), m_scale(scale) {}

    static int entryCount(RateScale scale);
    static double percentAt(RateScale scale, int index);
    static std::string textAt(RateScale scale, int index);
    static std::vector<std::string> entries(RateScale scale);

    // Puts the entries into the list.
    void fill() const;
    int count() const { return entryCount(m_scale); }
    ComboList& list() const { return m_list; }
    // The chosen entry, -1 for none.
    int index() const;
    bool chosen() const { return index() >= 0; }
    // Chooses an entry (an index outside the list chooses none).
    void choose(int index) const;
    // The chosen rate in percent: a typed rate as typed (or as set, at its full precision), else the chosen
    // entry's; 0 when none is chosen.
    double percent() const;
    // A rate typed into the list (0 to 25 with up to five decimals after the locale's decimal separator, a "%"
    // allowed after it): an entry's rate chooses that entry, any other is kept as typed with the entry below it
    // chosen. False, changing nothing, for a text that is no such rate.
    bool type(const std::string& text) const;
    // Keeps a rate (0 to 25) at its full precision, shown with five decimals.
    void setRate(double ratePercent) const;
    // The largest rate a list can hold.
    static constexpr double kHighestPercent = 25.0;
    // True when the "0.000" entry is chosen.
    bool zeroChosen() const;
    // The settings value of an entry and back (main: k, editor: k + 1); a value naming no entry gives -1.
    int settingOf(int index) const;
    int indexOfSetting(double setting) const;

private:
    // Chooses the entry of a rate, or keeps the rate as `text` with the entry below it chosen.
    void keep(double ratePercent, const std::string& text) const;

    ComboList& m_list;
    RateScale m_scale;
};

}  // namespace tv
