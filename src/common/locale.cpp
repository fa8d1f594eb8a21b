#include "common/locale.h"

namespace tv {

const Locale& Locale::enUS()
{
    static const Locale locale;
    return locale;
}

}  // namespace tv
