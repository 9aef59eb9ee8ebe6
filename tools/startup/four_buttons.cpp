// The floor for tessel's start-up: a plain Qt Widgets window with the start window's four text
// buttons, at their places, in the face they show (Comic Neue stands in for "Comic Sans MS"),
// and nothing else.
#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Tessel 98   V1.1   (29.05.1998)");
  window.setFixedSize(398, 27);
  QFont font("Comic Neue");
  font.setPixelSize(13);
  font.setBold(true);
  struct Button {
    const char* caption;
    int left;
    int width;
  };
  for (const Button& b : {Button{"6er Tessel", 4, 100}, Button{"20er Tessel", 104, 108},
                          Button{"Beenden", 212, 100}, Button{"Info ...", 332, 64}}) {
    auto* button = new QPushButton(b.caption, &window);
    button->setGeometry(b.left, 4, b.width, 21);
    button->setFont(font);
  }
  window.show();
  return QApplication::exec();
}
