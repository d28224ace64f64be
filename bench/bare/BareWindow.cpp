// The floor that the program's start-up is measured against: a plain Qt main window with a
// menu and 29 edits, nothing else.
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  for (const char* title : {"&File", "&Units", "&Currency", "&Calculator", "&Help"}) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
    for (int i = 1; i <= 6; ++i) menu->addAction(QStringLiteral("Item %1").arg(i));
  }
  auto* client = new QWidget(&window);
  auto* grid = new QGridLayout(client);
  for (int i = 0; i < 29; ++i)
    grid->addWidget(new QLineEdit(QStringLiteral("0"), client), i / 3, i % 3);
  window.setCentralWidget(client);
  window.resize(546, 400);
  window.show();
  return app.exec();
}
