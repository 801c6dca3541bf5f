#include "app/main_state.h"
#include "app/ui/foablak.h"
#include "app/ui/formok.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kavarex Personal");
    // The running-instance check (and the wait after a "-r" restart) of the
    // platform layer runs here, before any window exists.
    TFoablak foablak(QString(), app.arguments().mid(1));
    if (kvx::mainState().Kilepes)
        return 0;
    FormokLetrehozasa(foablak);
    foablak.show();
    return app.exec();
}
