// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Also the Wayland app id: the desktop shows the entry's name and icon for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.ferrowick.Ferrowick"));
  // Qt's own dialogs (the file dialog, its buttons) speak the user's language; the program's own
  // captions and messages stay as they are.
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qtTranslator);
  }
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
  ferrowick::Form1 form;
  form.show();
  return app.exec();
}
