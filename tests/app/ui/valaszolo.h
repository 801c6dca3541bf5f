#pragma once
// Test helper: answers every modal box that appears by clicking the button
// with the next caption of its list, and records what it saw.
#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace kvx::teszt {

struct LatottDoboz {
    QString Cim;
    QString ObjektumNev;
    QString Szoveg;
    QStringList Gombok;
};

class Valaszolo : public QObject {
public:
    explicit Valaszolo(QStringList feliratok) : feliratok_(std::move(feliratok))
    {
        connect(&idozito_, &QTimer::timeout, this, &Valaszolo::nez);
        idozito_.start(10);
    }

    QList<LatottDoboz> Latott;

private:
    void nez()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == utolso_) return;
        // The wait window asks nothing: it closes by itself when its job ends.
        if (w->objectName() == QStringLiteral("UzenetAblak")) return;
        LatottDoboz d;
        d.Cim = w->windowTitle();
        d.ObjektumNev = w->objectName();
        if (auto* mb = qobject_cast<QMessageBox*>(w)) d.Szoveg = mb->text();
        else if (auto* l = w->findChild<QLabel*>(QStringLiteral("Message"))) d.Szoveg = l->text();
        QAbstractButton* cel = nullptr;
        const QString kell = feliratok_.isEmpty() ? QString() : feliratok_.front();
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->text().isEmpty()) continue;
            d.Gombok << b->text();
            if (b->text() == kell) cel = b;
        }
        Latott << d;
        if (!cel) return;
        utolso_ = w;
        feliratok_.pop_front();
        cel->click();
    }

    QStringList feliratok_;
    QTimer idozito_;
    QPointer<QWidget> utolso_;
};

// Processes events until the condition holds or ms milliseconds pass.
template <class F>
bool varj(F felt, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!felt()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

}  // namespace kvx::teszt
