#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kavarex Personal");
    QMainWindow w;
    w.setWindowTitle("Kavarex Personal");
    w.show();
    return app.exec();
}
