#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "app/application.h"
#include "app/language.h"
#include "record/record.h"

namespace {

void printLine(std::FILE* stream, const QString& line) {
  std::fputs(qPrintable(line + QLatin1Char('\n')), stream);
}

QString usageLine() {
  // Written before any translation is chosen, so in both languages.
  return QStringLiteral(
             "Usage: %1 [--lang ja|en] [--help | --version | --no-record]  (electric-circuit "
             "calculation drill"
             " / 電気回路計算ドリル; --lang: language / 表示の言語, by default the locale's)")
      .arg(QCoreApplication::applicationName());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication::setApplicationName(QStringLiteral("kairo-drill"));
  QApplication::setApplicationVersion(QStringLiteral(KAIRO_VERSION));
  // Wayland matches the window to the desktop entry by this name.
  QApplication::setDesktopFileName(QStringLiteral("kairo-drill"));

  // --help and --version are answered before QApplication exists, so they work without a display.
  // Qt's own options (-platform, -style, ...) are not known here; QApplication takes them below.
  QString languageError;
  const std::optional<QLocale> language = kairo::chosenLanguage(argc, argv, &languageError);
  QStringList rawArguments;
  for (int i = 0; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  const QCommandLineOption noRecord(QStringLiteral("no-record"));
  parser.addOptions({help, version, noRecord});
  parser.parse(rawArguments);
  if (parser.isSet(help)) {
    printLine(stdout, usageLine());
    return 0;
  }
  if (parser.isSet(version)) {
    printLine(stdout, QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                                  QCoreApplication::applicationVersion()));
    return 0;
  }

  if (!language) {
    printLine(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + languageError);
    printLine(stderr, usageLine());
    return 2;
  }

  QApplication qtApp(argc, argv);
  kairo::installTranslation(*language);
  // Whatever Qt did not take is a mistake; starting the drill anyway would hide it.
  QStringList rest = QApplication::arguments().mid(1);
  const bool recording = !rest.removeAll(QStringLiteral("--no-record"));
  if (!rest.isEmpty()) {
    printLine(stderr, QStringLiteral("%1: unknown argument '%2'")
                          .arg(QCoreApplication::applicationName(), rest.first()));
    printLine(stderr, usageLine());
    return 2;
  }

  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
  kairo::Application app;
  QObject::connect(&app, &kairo::Application::quitRequested, &qtApp, &QApplication::quit,
                   Qt::QueuedConnection);
  app.start();
  // The record is opened once the start screen is up, so that checking the file never delays it;
  // no problem can begin before the event loop runs.
  QTimer::singleShot(0, &app, [&app, recording] {
    app.setRecord(recording ? kairo::Record::open(kairo::Record::defaultFolder())
                            : kairo::Record::off(QCoreApplication::translate(
                                  "Kairo", "--no-record で記録を止めています。")));
  });
  return qtApp.exec();
}
