#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>

#include "screen_model/translator.h"

namespace tvqt {

// The folders a program's translations are looked for in: "translations" beside the program (a build), then
// "../share/tarvolin/translations" from it (an installed program).
QStringList translationFolders(const QString& programFolder);

// The translation of the program into the locale's language (tarvolin_de.qm for de_DE, by the locale's UI
// languages in order); nothing for English, or when no translation is found.
std::shared_ptr<const tv::Translator> loadTranslation(const QLocale& locale, const QStringList& folders);

}  // namespace tvqt
