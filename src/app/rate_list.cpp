#include "app/rate_list.h"

#include "common/formats.h"
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
    if (scale == RateScale::Table && index == 0) return "0.000";
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
    m_list.setItems(entries(m_scale));
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
    int k = index();
    return k < 0 ? 0.0 : percentAt(m_scale, k);
}

bool RateList::zeroChosen() const
{
    return index() >= 0 && percentAt(m_scale, index()) == 0.0;
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
