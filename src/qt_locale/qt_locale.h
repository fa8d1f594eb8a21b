#pragma once

#include <QLocale>
#include <QString>
#include <optional>

#include "common/locale.h"
#include "qt_locale/desktop_texts.h"

namespace tvqt {

// The conventions of a Qt locale as the program's Locale: separators, grouping, currency symbol, its place and
// negative form (learnt from Qt's own formatting of a sample), the date pattern and the month abbreviations.
// The C (POSIX) locale gives en_US, as does en_US itself.
tv::Locale localeFromQt(const QLocale& locale);

// The Qt locale a name such as "de_DE" names; nothing for a name Qt does not know ("C" and "POSIX" are known).
std::optional<QLocale> qtLocaleNamed(const QString& name);

// The Qt locale that writes numbers as the program's current Locale does, for what Qt itself formats (chart
// axes): en_US while the program is in en_US (whatever the desktop's locale), else the default Qt locale, which
// the front end's Locale came from.
QLocale numberLocale();

// A desktop text whose words depend on a count, in the user's language ("Desktop" context), its %n filled in.
QString desktopPlural(const tv::DesktopPlural& text, int count);

}  // namespace tvqt
