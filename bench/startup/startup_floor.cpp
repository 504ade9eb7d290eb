// The toolkit's start-up floor: a Qt Widgets program with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label("KartovexLE");
    label.show();
    return app.exec();
}
