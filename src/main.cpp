#include "app/ui/foablak.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kavarex Personal");
    TFoablak foablak;
    foablak.show();
    return app.exec();
}
