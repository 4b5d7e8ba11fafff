// SPDX-License-Identifier: MIT
#include "qt_catalogue.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

#include "catalogue.h"

namespace ferrowick::catalogue {

void LoadCatalogues() {
  // Qt's own, for its dialogs; then ours. A language without a catalogue takes none, not the one
  // loaded before.
  static QTranslator qt;
  static QTranslator ours;
  const struct {
    QTranslator& translator;
    QString name;
    QString folder;
  } catalogues[] = {
      {qt, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
      {ours, QStringLiteral("ferrowick"), QStringLiteral(":/i18n")}};
  for (const auto& c : catalogues) {
    QCoreApplication::removeTranslator(&c.translator);
    if (c.translator.load(QLocale(), c.name, QStringLiteral("_"), c.folder)) {
      QCoreApplication::installTranslator(&c.translator);
    }
  }
}

std::u16string translate(const char* context, const char* english) {
  return QCoreApplication::translate(context, english).toStdU16String();
}

// glibc's words, in the language of LC_MESSAGES.
std::u16string SystemText(int code) {
  return QString::fromLocal8Bit(std::strerror(code)).toStdU16String();
}

std::u16string SystemReason(int code) { return SystemText(code); }

std::u16string Number(std::uint64_t value) {
  return QLocale().toString(static_cast<qulonglong>(value)).toStdU16String();
}

std::u16string DataSize(std::uint64_t bytes) {
  return QLocale().formattedDataSize(static_cast<qint64>(bytes)).toStdU16String();
}

std::u16string LocalTime(std::int64_t seconds) {
  return QDateTime::fromSecsSinceEpoch(seconds)
      .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
      .toStdU16String();
}

}  // namespace ferrowick::catalogue
