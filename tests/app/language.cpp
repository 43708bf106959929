// The language of the program: --lang taken out of the arguments, the values it knows, and the
// translation each language installs.
#include "app/language.h"

#include <QTest>
#include <QTranslator>
#include <vector>

#include "support/test_main.h"

using namespace kairo;

class Language : public QObject {
  Q_OBJECT

 private slots:
  void takesTheOptionOut_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("code");  // "-": no --lang given
    QTest::addColumn<bool>("error");
    QTest::newRow("absent") << QStringList{"-style", "fusion"} << QStringList{"-style", "fusion"}
                            << "-" << false;
    QTest::newRow("value apart") << QStringList{"--lang", "en", "-v"} << QStringList{"-v"} << "en"
                                 << false;
    QTest::newRow("value joined, one dash")
        << QStringList{"-lang=ja"} << QStringList{} << "ja" << false;
    QTest::newRow("last one counts")
        << QStringList{"--lang", "ja", "--lang=en"} << QStringList{} << "en" << false;
    QTest::newRow("unknown value still taken")
        << QStringList{"--lang", "fr", "x"} << QStringList{"x"} << "fr" << false;
    QTest::newRow("no value") << QStringList{"--help", "--lang"} << QStringList{"--help"} << "-"
                              << true;
    QTest::newRow("a longer name is not it")
        << QStringList{"--language", "en"} << QStringList{"--language", "en"} << "-" << false;
    QTest::newRow("after -- it is Qt's")
        << QStringList{"--", "--lang", "en"} << QStringList{"--", "--lang", "en"} << "-" << false;
  }
  void takesTheOptionOut() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, left);
    QFETCH(QString, code);
    QFETCH(bool, error);
    std::vector<QByteArray> storage{"kairo-drill"};
    for (const QString& a : arguments) storage.push_back(a.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& a : storage) argv.push_back(a.data());
    argv.push_back(nullptr);
    int argc = int(storage.size());
    QString why;
    const std::optional<QString> taken = takeLanguageArgument(argc, argv.data(), &why);
    QStringList rest;
    for (int i = 1; i < argc; ++i) rest << QString::fromUtf8(argv[std::size_t(i)]);
    QCOMPARE(rest, left);
    QCOMPARE(argv[std::size_t(argc)], nullptr);
    QCOMPARE(taken.value_or("-"), code);
    QCOMPARE(!why.isEmpty(), error);
  }

  void knownValuesOnly() {
    QCOMPARE(languageOf(u"ja")->language(), QLocale::Japanese);
    QCOMPARE(languageOf(u"en")->language(), QLocale::English);
    for (const char16_t* other : {u"", u"EN", u"fr", u"en_US", u"japanese"})
      QVERIFY2(!languageOf(other), qPrintable(QString::fromUtf16(other)));
    QCOMPARE(languageCodes(), (QStringList{"ja", "en"}));

    std::vector<QByteArray> storage{"kairo-drill", "--lang", "de"};
    char* argv[] = {storage[0].data(), storage[1].data(), storage[2].data(), nullptr};
    int argc = 3;
    QString why;
    QVERIFY(!chosenLanguage(argc, argv, &why));
    QVERIFY2(why.contains(u"'de'") && why.contains(u"ja, en"), qPrintable(why));
  }

  // English has its catalogue; Japanese is the source and a language without a catalogue falls
  // back to it.
  void installsTheCatalogue_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "Correct!!";
    QTest::newRow("ja") << QLocale(QLocale::Japanese) << "正解！！";
    QTest::newRow("fr") << QLocale(QLocale::French) << "正解！！";
    QTest::newRow("C") << QLocale::c() << "正解！！";
  }
  void installsTheCatalogue() {
    QFETCH(QLocale, locale);
    QFETCH(QString, verdict);
    QTranslator* translator = installTranslation(locale);
    QCOMPARE(QCoreApplication::translate("Kairo", "正解！！"), verdict);
    QCOMPARE(translator != nullptr, verdict != u"正解！！");
    if (translator) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
    QCOMPARE(QCoreApplication::translate("Kairo", "正解！！"), "正解！！");
  }
};

KAIRO_TEST_CASE(Language)
#include "language.moc"
