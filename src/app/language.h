#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

class QTranslator;

namespace kairo {

// The languages the program speaks: its own Japanese, then the translations compiled in.
QStringList languageCodes();

// The locale a --lang value names ("ja", "en"); nothing for any other value.
std::optional<QLocale> languageOf(QStringView code);

// Takes "--lang <code>" and "--lang=<code>" (one dash or two) out of the arguments, which Qt is
// then given without them. Returns the code given last, nothing when the option is absent; an
// option without its value sets `error`.
std::optional<QString> takeLanguageArgument(int& argc, char** argv, QString* error);

// The language asked for with --lang (taken out of the arguments), else the system locale's as
// Qt reads it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Nothing, with `error` set, for a --lang
// without a value or with one the program does not speak.
std::optional<QLocale> chosenLanguage(int& argc, char** argv, QString* error);

// Installs the translation for the first of `locale`'s languages that the program speaks, once at
// start-up: Japanese, or a language without a translation, installs none and the source texts
// show. Returns the translator (owned by the application), or nullptr.
QTranslator* installTranslation(const QLocale& locale);

}  // namespace kairo
