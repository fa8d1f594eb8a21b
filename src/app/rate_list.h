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
    // The chosen rate in percent, 0 when none is chosen.
    double percent() const;
    // True when the "0.000" entry is chosen.
    bool zeroChosen() const;
    // The settings value of an entry and back (main: k, editor: k + 1); a value naming no entry gives -1.
    int settingOf(int index) const;
    int indexOfSetting(double setting) const;

private:
    ComboList& m_list;
    RateScale m_scale;
};

}  // namespace tv
