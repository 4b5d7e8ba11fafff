// SPDX-License-Identifier: MIT
#include "words.h"

#include <sys/stat.h>

#include <QDateTime>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

#include "phrases.h"
#include "utf.h"

namespace ferrowick {
namespace {

QString System(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString Facts(const FileFacts& facts) {
  const QLocale locale;
  return Wording::Of(RunWord::Facts)
      .arg(locale.toString(static_cast<qulonglong>(facts.size)),
           QDateTime::fromSecsSinceEpoch(facts.modified).toString("yyyy-MM-dd HH:mm:ss"));
}

QString Duration(double seconds) {
  if (seconds < 60) return Wording::tr("%1 s").arg(static_cast<int>(seconds + 0.5));
  const int minutes = static_cast<int>(seconds / 60 + 0.5);
  if (minutes < 60) return Wording::tr("%1 min").arg(minutes);
  return Wording::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString Size(std::uint64_t bytes) {
  return QLocale().formattedDataSize(static_cast<qint64>(bytes));
}

QString NameRefused(const CopyFailure& failure) {
  const NameFault& fault = failure.name;
  const QString name = Wording::Visible(failure.target.substr(failure.target.rfind('/') + 1));
  if (fault.what == NameFault::What::CharacterSet) {
    return Wording::tr(
        "The drive cannot store a character of this name: its file system takes only the "
        "characters of its own character set. Choose another name or folder.");
  }
  const bool share = fault.rules == NameRules::Share;
  QString text;
  if (fault.what == NameFault::What::Character) {
    text =
        share ? Wording::tr("The shared folder does not allow the character %1 in the name \"%2\".")
              : Wording::tr("The drive does not allow the character %1 in the name \"%2\".");
    text = text.arg(QChar::fromLatin1(fault.character), name);
  } else {
    text =
        share
            ? Wording::tr(
                  "The shared folder does not allow the name \"%1\": it ends in a dot or "
                  "a space.")
            : Wording::tr("The drive does not allow the name \"%1\": it ends in a dot or a space.");
    text = text.arg(name);
  }
  text += u' ';
  text += share ? Wording::tr(
                      "Windows shares read \\ as a folder separator and forbid \" * : < > ? | "
                      "in names, and a dot or a space at their end.")
                : Wording::tr(
                      "FAT, exFAT and NTFS drives forbid \" * : < > ? \\ | in names, and a dot "
                      "or a space at their end.");
  return text + u' ' + Wording::tr("Choose another name or folder.");
}

}  // namespace

void Wording::LoadCatalogues() {
  // Qt's own, for its dialogs and the command line's --help; then ours. A language without a
  // catalogue takes none, not the one loaded before.
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

QString Wording::Of(Phrase phrase) {
  return QCoreApplication::translate("ferrowick::Form1", English(phrase));
}

QString Wording::Of(RunWord word) {
  return QCoreApplication::translate(kRunWordsContext, English(word));
}

QString Wording::Visible(const std::string& text) {
  std::u16string visible;
  AppendVisible(visible, FromBytes(text));
  return QString::fromStdU16String(visible);
}

QString Wording::FileKind(mode_t mode) {
  return S_ISDIR(mode)    ? tr("a folder")
         : S_ISFIFO(mode) ? tr("a named pipe (FIFO)")
         : S_ISSOCK(mode) ? tr("a socket")
         : S_ISCHR(mode)  ? tr("a character device")
         : S_ISBLK(mode)  ? tr("a block device")
         : S_ISREG(mode)  ? tr("a regular file")
                          : tr("a special file");
}

QString Wording::NotRegular(const QString& path, mode_t mode) {
  return tr("\"%1\" is %2, not a regular file. Only regular files can be copied.")
      .arg(path, FileKind(mode));
}

QString Wording::Refused(Refusal refusal, const QString& path) {
  const QString words = QCoreApplication::translate(kRefusalContext, English(refusal));
  return path.isEmpty() ? words : words.arg(path);
}

// A name that held bytes that are not UTF-8 is shown with U+FFFD in their place, and a file of
// exactly that name may be there too (another user may have made it): whichever the user meant,
// it is refused.
QString Wording::NotText(const QString& path) {
  return QCoreApplication::translate(
             "ferrowick::Form1",
             "\"%1\" holds bytes that are not UTF-8 text, and such a name cannot pass through the "
             "window's boxes. Rename it, or make the copies on the command line: ferrowick "
             "--copies N FILE.")
      .arg(path);
}

QString Wording::Said(const Announcement& announcement) {
  QString text = QCoreApplication::translate(kRefusalContext, English(announcement.what));
  QStringList args;
  for (const std::u16string& arg : announcement.args) args << QString::fromStdU16String(arg);
  // All at once, so that a folder's name holding "%2" stays as it is.
  switch (args.size()) {
    case 2:
      return text.arg(args[0], args[1]);
    case 3:
      return text.arg(args[0], args[1], args[2]);
    default:
      return text;
  }
}

QString Wording::NotLocal() {
  return QCoreApplication::translate(
      "ferrowick::Form1", "Only a file or a folder on this computer can be dropped here.");
}

QString Wording::ReplaceQuestion(const ferrowick::ReplaceQuestion& question) {
  return Of(RunWord::ReplaceQuestion)
      .arg(Visible(question.target), Facts(question.existing), Visible(question.source),
           Facts(question.replacement));
}

QString Wording::FolderQuestion(const std::string& folder) {
  return Of(RunWord::FolderQuestion).arg(Visible(folder));
}

QString Wording::StallingFolder(const std::string& folder, int count) {
  return tr("\"%1\" is a WebDAV folder of GNOME's, and such folders stop answering after about "
            "30 renamed files: the %2 copies, each renamed into place, and every program using "
            "the folder would wait until you log out. Make the copies in a local folder and move "
            "them in one go, or mount the folder with davfs2 or rclone.")
      .arg(Visible(folder))
      .arg(count);
}

QString Wording::Reason(const CopyFailure& failure) {
  QString reason;
  switch (failure.cause) {
    case CopyFailure::Cause::System:
      reason = System(failure.error);
      break;
    case CopyFailure::Cause::NotRegular:
      reason = NotRegular(Visible(failure.path), failure.mode);
      break;
    case CopyFailure::Cause::NameRefused:
      reason = NameRefused(failure);
      break;
    case CopyFailure::Cause::NotText:
      reason =
          tr("The name holds characters that are not UTF-8 text, and such a name cannot pass "
             "through this program's text boxes. Rename the file or folder and try again.");
      break;
    case CopyFailure::Cause::NameNotShown:
      reason = tr("The server took the copy, but its folder does not show it under this name "
                  "(%1). It may have been stored under another name or in another folder.")
                   .arg(failure.error != 0 ? System(failure.error) : tr("not a file"));
      break;
    case CopyFailure::Cause::SourceChanged:
      reason =
          tr("It changed while it was copied, so the copy was not kept. Copy it again once "
             "nothing writes to it.");
      break;
    case CopyFailure::Cause::Unreachable:
      reason =
          tr("The folder or its server can no longer be reached (%1).").arg(System(failure.error));
      break;
  }
  if (!failure.leftover.empty()) {
    if (!reason.endsWith(u'.')) reason += u'.';
    reason += u' ';
    reason += tr("The unfinished copy \"%1\" could not be removed: delete it by hand.")
                  .arg(Visible(failure.leftover));
  }
  return reason;
}

QString Wording::Report(const CopyNote& note) {
  switch (note.kind) {
    case CopyNote::Kind::NotKept: {
      QStringList parts;
      if (note.times != 0) {
        parts << tr("The copies were made, but their drive did not keep the source's modification "
                    "time (%1).")
                     .arg(System(note.times));
      }
      QStringList names;
      for (const CopyNote::Attribute& attribute : note.attributes) {
        names << QStringLiteral("%1 (%2)").arg(attribute.name.empty()
                                                   ? tr("all of them, which could not be read")
                                                   : Visible(attribute.name),
                                               System(attribute.error));
      }
      if (!names.isEmpty()) {
        parts << tr("The copies were made, but their drive did not keep these extended attributes "
                    "of the source:\n\n%1")
                     .arg(names.join(QStringLiteral(", ")));
      }
      return parts.join(QStringLiteral("\n\n"));
    }
    case CopyNote::Kind::Deferred:
      return tr("The copies in \"%1\" are made, but %2 keeps them on this computer and uploads "
                "them to the server later: they are not on the server yet. Should the server be "
                "away, they go there once it is back.")
          .arg(Visible(note.path), QString::fromStdString(note.client));
    case CopyNote::Kind::Unchecked:
      return tr("The copies of \"%1\" were made, but whether it changed while it was copied "
                "could not be checked: %2 moves a file's times on its own, so that only a change "
                "of its size shows. If something was writing to it, copy it again.")
          .arg(Visible(note.path), QString::fromStdString(note.client));
  }
  return {};
}

QString Wording::Report(const CopyFailure& failure) {
  switch (failure.kind) {
    case CopyFailure::Kind::Unwritten:
      if (failure.call == Call::Hold) {
        return tr("The copies in \"%1\" are not confirmed on the device: they could not be "
                  "written out to it.\n\n%2")
            .arg(Visible(failure.path), System(failure.error));
      }
      return tr("The copies in \"%1\" may not be on the device: it did not take them.\n\n%2")
          .arg(Visible(failure.path), System(failure.error));
    case CopyFailure::Kind::Copy:
      break;
  }
  return tr("Cannot copy \"%1\" to \"%2\".\n\n%3: %4")
      .arg(Visible(failure.source), Visible(failure.target), Visible(failure.path),
           Reason(failure));
}

QString Wording::Unmade(std::size_t count, const std::vector<CopyFailure>& first) {
  // The others had a box of their own at the time.
  QString text = count == 1 ? tr("One more copy was not made:")
                            : tr("%1 more copies were not made:").arg(count);
  text += u'\n';
  for (const CopyFailure& failure : first) {
    text += QStringLiteral("\n%1: %2").arg(Visible(failure.target), Reason(failure));
  }
  if (count > first.size()) text += u'\n' + Of(RunWord::AndMore).arg(count - first.size());
  return text;
}

QString Wording::Writing() { return tr("Writing the copies to the device..."); }

QString Wording::Made(const RunProgress& p) {
  return tr("%1 of %2 copies made").arg(p.copy).arg(p.count);
}

QString Wording::Count(const RunProgress& p) {
  return tr("Copy %1 of %2: %3 of %4").arg(p.copy).arg(p.count).arg(Size(p.done), Size(p.total));
}

QString Wording::Pace(const RunProgress& p) {
  const double seconds = std::chrono::duration<double>(p.elapsed).count();
  const double rate = seconds > 0 ? static_cast<double>(p.done) / seconds : 0;
  if (rate <= 0) return {};
  return tr("%1/s, %2 left")
      .arg(Size(static_cast<std::uint64_t>(rate)),
           Duration(static_cast<double>(p.total - p.done) / rate));
}

std::vector<Wording::Choice> Wording::ReplaceChoices() {
  return {{Of(RunWord::Yes), int(Answer::Yes)},
          {Of(RunWord::YesToAll), int(Answer::YesToAll)},
          {Of(RunWord::No), int(Answer::No)},
          {Of(RunWord::NoToAll), int(Answer::NoToAll)},
          {Of(RunWord::Stop), int(Answer::Stop)}};
}

std::vector<Wording::Choice> Wording::FolderChoices() {
  return {{Of(RunWord::Yes), int(Answer::Yes)},
          {Of(RunWord::No), int(Answer::No)},
          {Of(RunWord::NoFolderToAll), int(Answer::NoToAll)},
          {Of(RunWord::Stop), int(Answer::Stop)}};
}

std::vector<Wording::Choice> Wording::ErrorChoices() {
  return {{tr("&Skip"), int(ErrorAnswer::Skip)},
          {tr("Skip &All"), int(ErrorAnswer::SkipAll)},
          {tr("S&top"), int(ErrorAnswer::Stop)}};
}

}  // namespace ferrowick
