#include "app/rate_list.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "common/formats.h"
#include "common/locale.h"
#include "common/rounding.h"
#include "engine/loan.h"
#include "engine/loan_table.h"
#include "screen_model/control.h"

namespace tv {

int RateList::entryCount(RateScale scale)
{
    switch (scale) {
        case RateScale::Main:
            return kMaxRateIndex + 1;
        case RateScale::Editor:
            return kMaxRateIndex;
        case RateScale::Table:
            return kTableMaxRateIndex + 1;
    }
    return 0;
}

double RateList::percentAt(RateScale scale, int index)
{
    switch (scale) {
        case RateScale::Main:
            return index * kRateStepPercent;
        case RateScale::Editor:
            return (index + 1) * kRateStepPercent;
        case RateScale::Table:
            return index * kTableRateStepPercent;
    }
    return 0;
}

std::string RateList::textAt(RateScale scale, int index)
{
    if (scale == RateScale::Table && index == 0) return formatNumber(0, kFixed3Format);
    return formatNumber(percentAt(scale, index), scale == RateScale::Table ? kFixed2Format : kFixed3Format);
}

std::vector<std::string> RateList::entries(RateScale scale)
{
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(entryCount(scale)));
    for (int k = 0; k < entryCount(scale); ++k) items.push_back(textAt(scale, k));
    return items;
}

void RateList::fill() const
{
    std::vector<UserText> items;
    for (std::string& e : entries(m_scale)) items.push_back(finishedText(std::move(e)));
    m_list.setItems(items);
}

int RateList::index() const
{
    return m_list.listIndex();
}

void RateList::choose(int index) const
{
    m_list.setListIndex(index);
}

double RateList::percent() const
{
    if (const auto& typed = m_list.typed()) return typed->value;
    int k = index();
    return k < 0 ? 0.0 : percentAt(m_scale, k);
}

bool RateList::type(const std::string& text) const
{
    // Digits with at most one decimal separator (the locale's) and five decimals, blanks around, one "%" at the end.
    const std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return false;
    std::string t = text.substr(b, text.find_last_not_of(' ') - b + 1);
    if (t.back() == '%') t.pop_back();
    const std::string& space = Locale::current().percentSpace;
    if (!space.empty() && t.ends_with(space)) t.resize(t.size() - space.size());
    while (!t.empty() && t.back() == ' ') t.pop_back();
    const std::string& separator = Locale::current().decimalSeparator;
    const std::string_view point = separator.empty() ? std::string_view(".") : std::string_view(separator);
    std::string number;  // with a "."
    for (std::size_t i = 0; i < t.size();) {
        if (t[i] >= '0' && t[i] <= '9') {
            number += t[i++];
        } else if (std::string_view(t).substr(i, point.size()) == point) {
            number += '.';
            i += point.size();
        } else {
            return false;
        }
    }
    const std::size_t dot = number.find('.');
    const std::size_t decimals = dot == std::string::npos ? 0 : number.size() - dot - 1;
    if (number.empty() || number == "." || t.size() > 16 ||
        (dot != std::string::npos && number.find('.', dot + 1) != std::string::npos) || decimals > 5)
        return false;
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    if (!(value >= 0 && value <= kHighestPercent)) return false;
    keep(value, t);
    return true;
}

void RateList::setRate(double ratePercent) const
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.5f", ratePercent);
    std::string text = digits;
    // Shown with the locale's decimal separator, whatever the C library's numeric locale wrote.
    if (const std::size_t dot = text.find_first_not_of("-0123456789"); dot != std::string::npos)
        text.replace(dot, 1, Locale::current().decimalSeparator);
    keep(ratePercent, text);
}

void RateList::keep(double ratePercent, const std::string& text) const
{
    // The entry at or just below the rate: the list position the input checks and questions read.
    int below = -1;
    for (int k = 0; k < count() && percentAt(m_scale, k) <= ratePercent; ++k) below = k;
    if (below >= 0 && percentAt(m_scale, below) == ratePercent)
        choose(below);
    else
        m_list.setTyped({text, ratePercent}, below);
}

bool RateList::zeroChosen() const
{
    return !m_list.typed() && index() >= 0 && percentAt(m_scale, index()) == 0.0;
}

int RateList::settingOf(int index) const
{
    return m_scale == RateScale::Editor ? index + 1 : index;
}

int RateList::indexOfSetting(double setting) const
{
    std::optional<std::int16_t> value = toInt16(setting);
    if (!value) return -1;
    int k = m_scale == RateScale::Editor ? *value - 1 : *value;
    return k >= 0 && k < count() ? k : -1;
}

}  // namespace tv
