// SPDX-License-Identifier: MIT
// Every language the program speaks, as one table: its catalogue is complete against the
// sources as they are now, keeps every placeholder and access key, and its captions fit the
// window's places in the window's fonts.

#include <QKeySequence>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "form1.h"
#include "qt_catalogue.h"
#include "words.h"

using ferrowick::Form1;
namespace words = ferrowick::words;

namespace {

// How many access keys a caption marks with &; "&&" is a plain &.
int Keys(const QString& caption) { return int(caption.count(u'&') - 2 * caption.count("&&")); }

QSet<QString> Placeholders(const QString& text) {
  QSet<QString> found;
  static const QRegularExpression number(QStringLiteral("%\\d"));
  for (const auto& match : number.globalMatch(text)) found << match.captured();
  return found;
}

}  // namespace

class LanguagesTest : public QObject {
  Q_OBJECT

 private:
  static void Languages(bool withEnglish) {
    QTest::addColumn<QString>("language");
    if (withEnglish) QTest::newRow("en") << QStringLiteral("en");
    for (const char* language : {FERROWICK_LANGUAGES}) QTest::newRow(language) << language;
  }
  static void Speak(const QString& language) {
    QLocale::setDefault(QLocale(language));
    ferrowick::catalogue::LoadCatalogues();
  }

 private slots:
  void cleanupTestCase() { Speak(QStringLiteral("en")); }

  void catalogueIsComplete_data() { Languages(false); }
  // lupdate against today's sources: a new string comes in unfinished, a removed one vanished.
  void catalogueIsComplete() {
    QFETCH(QString, language);
    QTemporaryDir dir;
    const QString catalogue = dir.filePath(QStringLiteral("ferrowick_%1.ts").arg(language));
    QVERIFY(QFile::copy(QStringLiteral(FERROWICK_TRANSLATIONS "/ferrowick_%1.ts").arg(language),
                        catalogue));
    QProcess lupdate;
    lupdate.start(QStringLiteral(FERROWICK_LUPDATE),
                  QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"),
                              QStringLiteral("none")} +
                      QString::fromUtf8(FERROWICK_WORDS_SOURCES).split(u'|') +
                      QStringList{QStringLiteral("-ts"), catalogue});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    QFile file(catalogue);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      if (xml.name() == u"source") source = xml.readElementText();
      if (xml.name() != u"translation") continue;
      ++messages;
      const QString type = xml.attributes().value(QStringLiteral("type")).toString();
      const QString translation = xml.readElementText();
      const QByteArray where = (language + QStringLiteral(": ") + source).toUtf8();
      QVERIFY2(type.isEmpty(), (type.toUtf8() + " " + where).constData());
      QVERIFY2(!translation.isEmpty(), where.constData());
      QVERIFY2(Placeholders(translation) == Placeholders(source), where.constData());
      QVERIFY2(Keys(translation) == Keys(source) && Keys(source) <= 1, where.constData());
      QVERIFY2(Keys(source) == 0 || !QKeySequence::mnemonic(translation).isEmpty(),
               where.constData());
    }
    QVERIFY(!xml.hasError());
    QVERIFY(messages > 50);
  }

  void theWindowInEveryLanguage_data() { Languages(true); }
  // Access keys apart, and every caption whole in its place in the window's own fonts, at
  // whatever scale the test runs.
  void theWindowInEveryLanguage() {
    QFETCH(QString, language);
    Speak(language);
    Form1 form;
    form.show();
    // The window's buttons: Choose a Directory and Duplicate File may share a key.
    const QKeySequence file = QKeySequence::mnemonic(form.cmdChooseFile->text());
    QVERIFY(file != QKeySequence::mnemonic(form.cmdChooseDir->text()));
    QVERIFY(file != QKeySequence::mnemonic(form.cmdGo->text()));
    const auto progress = [](const char* caption) {
      return words::Choice{
          QCoreApplication::translate("ferrowick::CopyDialogs", caption).toStdU16String(), 0};
    };
    for (const std::vector<words::Choice>& box :
         {words::ReplaceChoices(), words::FolderChoices(), words::ErrorChoices(),
          std::vector<words::Choice>{progress("&Cancel"), progress("&Stop")}}) {
      QSet<QKeySequence> keys;
      for (const words::Choice& choice : box) {
        keys << QKeySequence::mnemonic(QString::fromStdU16String(choice.caption));
      }
      QVERIFY2(keys.size() == int(box.size()) && !keys.contains(QKeySequence()),
               qPrintable(QString::fromStdU16String(box.front().caption)));
    }
    for (QLabel* band : {form.Label1, form.Label2, form.Label3, form.Label4, form.Label5}) {
      const QRect room = band->contentsRect();
      const QFontMetrics metrics = band->fontMetrics();
      const int lines = band == form.Label5 ? 2 : 1;
      const QRect used =
          metrics.boundingRect(QRect(0, 0, room.width(), 1000), Qt::TextWordWrap, band->text());
      // n lines take n line spacings and a pixel or so: half a line more is one line too many.
      QVERIFY2(used.height() < (2 * lines + 1) * metrics.lineSpacing() / 2 &&
                   used.height() <= room.height() &&
                   (lines > 1 || metrics.horizontalAdvance(band->text()) <= room.width()),
               qPrintable(band->text()));
    }
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{form.cmdChooseFile, form.cmdChooseDir, form.cmdGo,
                                                 form.TagLocation[0], form.TagLocation[1]}) {
      QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
    }
    // The window's fonts are the English layout's, in every language.
    Speak(QStringLiteral("en"));
    const Form1 english;
    QCOMPARE(form.font(), english.font());
    QCOMPARE(form.cmdGo->font(), english.cmdGo->font());
  }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
