#include <QApplication>
#include <QIcon>

#include "app/application.h"

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
  kairo::Application app;
  QObject::connect(&app, &kairo::Application::quitRequested, &qtApp, &QApplication::quit,
                   Qt::QueuedConnection);
  app.start();
  return qtApp.exec();
}
