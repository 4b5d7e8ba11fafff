#include <QApplication>
#include <QIcon>

#include "form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("ferrowick"));
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
  ferrowick::Form1 form;
  form.show();
  return app.exec();
}
