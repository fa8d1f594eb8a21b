#include "qt_locale/qt_locale.h"

#include "common/user_text.h"

#include <QChar>
#include <QCoreApplication>
#include <QStringList>

namespace tvqt {

namespace {

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// Digits in each group of a large number as the locale writes it: the primary group, the secondary group and the
// fewest digits left of the first separator (0 for a locale that does not group).
void learnGrouping(const QLocale& q, tv::Locale& l)
{
    const QString separator = q.groupSeparator();
    const QStringList parts = separator.isEmpty() ? QStringList() : q.toString(1234567890LL).split(separator);
    if (parts.size() < 2) {
        l.primaryGroup = 0;
        return;
    }
    l.primaryGroup = static_cast<int>(parts.back().size());
    l.secondaryGroup = parts.size() > 2 ? static_cast<int>(parts[parts.size() - 2].size()) : l.primaryGroup;
    l.minimumGroupingDigits = 1;
    long long sample = 1;
    for (int i = 0; i < l.primaryGroup; ++i) sample *= 10;
    while (l.minimumGroupingDigits < 4 && !q.toString(sample).contains(separator)) {
        ++l.minimumGroupingDigits;
        sample *= 10;
    }
}

qsizetype firstDigit(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isDigit()) return i;
    return -1;
}

qsizetype lastDigit(const QString& text)
{
    for (qsizetype i = text.size() - 1; i >= 0; --i)
        if (text[i].isDigit()) return i;
    return -1;
}

// The symbol's place and the blank between it and the amount, from a formatted sample; the negative form from a
// negative sample.
void learnCurrency(const QLocale& q, tv::Locale& l)
{
    QString symbol = q.currencySymbol(QLocale::CurrencySymbol);
    if (symbol.isEmpty()) symbol = q.currencySymbol(QLocale::CurrencyIsoCode);
    if (symbol.isEmpty()) return;  // keeps "$"
    l.currencySymbol = utf8(symbol);
    const QString positive = q.toCurrencyString(1234.56, symbol);
    const qsizetype at = positive.indexOf(symbol);
    const qsizetype first = firstDigit(positive);
    const qsizetype last = lastDigit(positive);
    if (at < 0 || first < 0) return;
    l.currencyPlace = at < first ? tv::CurrencyPlace::Before : tv::CurrencyPlace::After;
    const QString between = at < first ? positive.mid(at + symbol.size(), first - at - symbol.size())
                                       : positive.mid(last + 1, at - last - 1);
    bool blank = !between.isEmpty();
    for (QChar c : between) blank = blank && c.isSpace();
    l.currencySpace = blank ? utf8(between) : std::string();

    const QString negative = q.toCurrencyString(-1234.56, symbol);
    if (negative.startsWith(QLatin1Char('(')) && negative.endsWith(QLatin1Char(')')))
        l.negativeMoney = tv::NegativeMoney::Parentheses;
    else if (l.currencyPlace == tv::CurrencyPlace::Before && negative.startsWith(symbol))
        l.negativeMoney = tv::NegativeMoney::MinusAfterSymbol;
    else
        l.negativeMoney = tv::NegativeMoney::MinusFirst;
}

// The long date without its weekday and with abbreviated months: "MMM d, yyyy" in en_US, "d. MMM yyyy" in de_DE.
// (The short date pattern is numeric with a two-digit year, too terse for a payoff decades ahead.)
std::string datePattern(const QString& longFormat)
{
    QString out;
    bool droppedWeekday = false;
    for (qsizetype i = 0; i < longFormat.size();) {
        const QChar c = longFormat[i];
        if (c == QLatin1Char('\'')) {
            const qsizetype end = longFormat.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype next = end < 0 ? longFormat.size() : end + 1;
            out += longFormat.mid(i, next - i);
            i = next;
            droppedWeekday = false;
            continue;
        }
        qsizetype n = 1;
        while (i + n < longFormat.size() && longFormat[i + n] == c) ++n;
        const bool separator = !c.isLetter();
        if (c == QLatin1Char('d') && n >= 3) {
            droppedWeekday = true;  // with the separators after it
        } else if (!separator || !droppedWeekday) {
            out += c == QLatin1Char('M') && n >= 4 ? QStringLiteral("MMM") : longFormat.mid(i, n);
            droppedWeekday = false;
        }
        i += n;
    }
    // A weekday at the end leaves its separator before it.
    while (!out.isEmpty() && !out.back().isLetter() && out.back() != QLatin1Char('\'')) out.chop(1);
    return utf8(out);
}

// The blank before a percent sign, which Qt does not say: the common locales' own percent patterns, as written
// in the Unicode locale data (fr "#,##0 %" with a narrow no-break space, de and es "#,##0 %", en "#,##0%").
std::string percentSpace(const QLocale& q)
{
    if (q.territory() == QLocale::Switzerland) return {};
    switch (q.language()) {
        case QLocale::French:
            return "\u202F";
        case QLocale::German:
        case QLocale::Spanish:
        case QLocale::Swedish:
        case QLocale::NorwegianBokmal:
        case QLocale::Finnish:
        case QLocale::Danish:
        case QLocale::Czech:
        case QLocale::Slovak:
        case QLocale::Russian:
        case QLocale::Ukrainian:
            return "\u00A0";
        default:
            return {};
    }
}

}  // namespace

tv::Locale localeFromQt(const QLocale& q)
{
    if (q.language() == QLocale::C) return tv::Locale::enUS();
    tv::Locale l;
    l.decimalSeparator = utf8(q.decimalPoint());
    l.groupSeparator = q.groupSeparator() == q.decimalPoint() ? std::string() : utf8(q.groupSeparator());
    learnGrouping(q, l);
    l.minusSign = utf8(q.negativeSign());
    learnCurrency(q, l);
    l.percentSpace = percentSpace(q);
    l.shortDatePattern = datePattern(q.dateFormat(QLocale::LongFormat));
    for (int month = 1; month <= 12; ++month)
        l.monthAbbreviations[static_cast<std::size_t>(month - 1)] = utf8(q.monthName(month, QLocale::ShortFormat));
    return l;
}

std::optional<QLocale> qtLocaleNamed(const QString& name)
{
    const QLocale q(name);
    if (q.language() == QLocale::C && name != QLatin1String("C") && name != QLatin1String("POSIX")) return std::nullopt;
    return q;
}

QLocale numberLocale()
{
    if (tv::Locale::current() == tv::Locale::enUS()) return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale();
}

QString desktopPlural(const tv::DesktopPlural& text, int count)
{
    const QString source = QString::fromUtf8(text.other);
    const QString found = QCoreApplication::translate(tv::kDesktopContext, text.other, nullptr, count);
    // Without a translation Qt gives back the source with its count: English says it in its own words.
    if (found == QString(source).replace(QStringLiteral("%n"), QString::number(count)))
        return QString::fromStdString(tv::fillCount(tv::englishPlural(text.one, text.other, count), count));
    return found;
}

}  // namespace tvqt
