// The floor for tessel's start-up: a plain Qt Widgets window with the start window's four text
// buttons, at their places, and nothing else.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Tessel 98   V1.1   (29.05.1998)");
  window.setFixedSize(398, 27);
  struct Button {
    const char* caption;
    int left;
    int width;
  };
  for (const Button& b : {Button{"6er Tessel", 4, 100}, Button{"20er Tessel", 104, 108},
                          Button{"Beenden", 212, 100}, Button{"Info ...", 332, 64}}) {
    auto* button = new QPushButton(b.caption, &window);
    button->setGeometry(b.left, 4, b.width, 21);
  }
  window.show();
  return QApplication::exec();
}
