#include "app/language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstring>

namespace kairo {
namespace {

// The catalogues are compiled into the program under this prefix, one per language:
// ":/i18n/kairo-drill_en.qm".
const QString kCatalogue = QStringLiteral("kairo-drill");
const QString kDirectory = QStringLiteral(":/i18n");

bool isLanguageOption(const char* arg) {
  if (arg[0] != '-') return false;
  const char* name = arg[1] == '-' ? arg + 2 : arg + 1;
  return std::strcmp(name, "lang") == 0 || std::strncmp(name, "lang=", 5) == 0;
}

}  // namespace

QStringList languageCodes() {
  return {QStringLiteral("ja"), QStringLiteral("en")};
}

std::optional<QLocale> languageOf(QStringView code) {
  if (code == u"ja") return QLocale(QLocale::Japanese, QLocale::Japan);
  if (code == u"en") return QLocale(QLocale::English, QLocale::UnitedStates);
  return std::nullopt;
}

std::optional<QString> takeLanguageArgument(int& argc, char** argv, QString* error) {
  std::optional<QString> code;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--") == 0) {
      // Everything after "--" is Qt's to judge.
      while (i < argc) argv[kept++] = argv[i++];
      break;
    }
    if (!isLanguageOption(arg)) {
      argv[kept++] = argv[i];
      continue;
    }
    if (const char* equals = std::strchr(arg, '=')) {
      code = QString::fromLocal8Bit(equals + 1);
    } else if (i + 1 < argc) {
      code = QString::fromLocal8Bit(argv[++i]);
    } else if (error) {
      *error = QStringLiteral("missing value after '%1'").arg(QString::fromLocal8Bit(arg));
    }
  }
  argc = kept;
  argv[argc] = nullptr;
  return code;
}

std::optional<QLocale> chosenLanguage(int& argc, char** argv, QString* error) {
  QString missing;
  const std::optional<QString> code = takeLanguageArgument(argc, argv, &missing);
  if (!missing.isEmpty()) {
    if (error) *error = missing;
    return std::nullopt;
  }
  if (!code) return QLocale::system();
  const std::optional<QLocale> locale = languageOf(*code);
  if (!locale && error)
    *error = QStringLiteral("unknown language '%1' for --lang (%2)")
                 .arg(*code, languageCodes().join(QStringLiteral(", ")));
  return locale;
}

QTranslator* installTranslation(const QLocale& locale) {
  auto* app = QCoreApplication::instance();
  if (!app) return nullptr;
  for (const QString& name : locale.uiLanguages()) {
    const QLocale wanted(name);
    // Japanese is what the program is written in: preferred before any translation, it wins.
    if (wanted.language() == QLocale::Japanese) return nullptr;
    auto* translator = new QTranslator(app);
    if (translator->load(wanted, kCatalogue, QStringLiteral("_"), kDirectory)) {
      QCoreApplication::installTranslator(translator);
      return translator;
    }
    delete translator;
  }
  return nullptr;
}

}  // namespace kairo
