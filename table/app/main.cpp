// vantor: the card game.
#include "table/form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("vantor");
    vantor::TForm1 form;
    form.show();
    return QApplication::exec();
}
