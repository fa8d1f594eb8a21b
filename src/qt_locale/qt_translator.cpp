#include "qt_locale/qt_translator.h"

#include <QDir>
#include <QTranslator>

namespace tvqt {

namespace {

class QmTranslator : public tv::Translator {
public:
    explicit QmTranslator(std::unique_ptr<QTranslator> qm) : m_qm(std::move(qm)) {}

    std::optional<std::string> find(std::string_view context, std::string_view text) const override
    {
        const std::string c(context);
        const std::string t(text);
        // Each text is looked up in the context it is shown in, as tarvolin-texts wrote it down: a text that is a
        // translation already (a label shown again in another window) finds nothing and stays as it is.
        const QString found = m_qm->translate(c.c_str(), t.c_str());
        if (found.isEmpty()) return std::nullopt;
        return found.toStdString();
    }

    std::string language() const override { return m_qm->language().toStdString(); }

    std::optional<std::string> findPlural(std::string_view context, std::string_view text,
                                          long long count) const override
    {
        const std::string c(context);
        const std::string t(text);
        // The numerus form the language's rules pick for the count.
        const QString found = m_qm->translate(c.c_str(), t.c_str(), nullptr,
                                              static_cast<int>(std::clamp(count, -1000000000LL, 1000000000LL)));
        if (found.isEmpty()) return std::nullopt;
        return found.toStdString();
    }

private:
    std::unique_ptr<QTranslator> m_qm;
};

}  // namespace

QStringList translationFolders(const QString& programFolder)
{
    const QDir dir(programFolder);
    return {dir.filePath(QStringLiteral("translations")),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/tarvolin/translations")))};
}

std::shared_ptr<const tv::Translator> loadTranslation(const QLocale& locale, const QStringList& folders)
{
    // English first among the user's languages (or the C locale) keeps the program as it is written.
    const QStringList languages = locale.uiLanguages();
    if (locale.language() == QLocale::C || languages.isEmpty() || languages.front().startsWith(QStringLiteral("en")))
        return nullptr;
    for (const QString& folder : folders) {
        auto qm = std::make_unique<QTranslator>();
        if (qm->load(locale, QStringLiteral("tarvolin"), QStringLiteral("_"), folder))
            return std::make_shared<QmTranslator>(std::move(qm));
    }
    return nullptr;
}

}  // namespace tvqt
