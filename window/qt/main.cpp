#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ferrowick::Form1 form;
  form.show();
  return app.exec();
}
