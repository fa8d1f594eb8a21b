#include "common/locale.h"

#include <utility>

namespace tv {

namespace {

Locale& currentLocale()
{
    static Locale locale;
    return locale;
}

}  // namespace

const Locale& Locale::enUS()
{
    static const Locale locale;
    return locale;
}

const Locale& Locale::current()
{
    return currentLocale();
}

void Locale::setCurrent(Locale locale)
{
    currentLocale() = std::move(locale);
}

}  // namespace tv
