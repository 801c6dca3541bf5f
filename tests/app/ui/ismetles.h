#pragma once
// Test helper: acts on a window that a modal loop is about to show. The
// step is tried every 20 ms until it reports that it acted; the timer
// belongs to the application, so nothing outlives the test program, and it
// deletes itself once the step is done.
#include <QApplication>
#include <QTimer>

#include <functional>

namespace kvx::teszt {

inline void ismetlesAmigSikerul(std::function<bool()> lepes)
{
    auto* idozito = new QTimer(qApp);
    idozito->setInterval(20);
    QObject::connect(idozito, &QTimer::timeout, idozito, [idozito, lepes = std::move(lepes)] {
        if (!lepes())
            return;
        idozito->stop();
        idozito->deleteLater();
    });
    idozito->start();
}

}  // namespace kvx::teszt
