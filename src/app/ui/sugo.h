#pragma once
// The help service: one per main window, made by it as its child. It knows
// the help page (empty when it is missing) and opens it at a topic. A window
// gives a control its topic with KontextusBeallitas; right-clicking the
// control then offers the main window's pop-up item "Mi ez?", which opens
// the help at the topic of the control (or of the nearest parent that has one).
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace kvx {

class Sugo : public QObject {
    Q_OBJECT
public:
    // miEz: the main window's "Mi ez?" item; the pop-up menus show it.
    Sugo(QWidget* foablak, QAction* miEz);

    // The service of the main window the widget belongs to; none for a
    // window built without a main window.
    static Sugo* Keres(const QWidget* w);

    // The help page; empty when it is missing (then "Mi ez?" is not offered).
    QString Allomany;

    // Opens the help at a topic; false when there is no help page or the
    // desktop did not open it. A page that has gone since start-up, or one
    // the desktop has no program for, is named with its full path in a
    // message.
    bool Megnyitas(int kontextus) const;
    // "Mi ez?" on w: the help at w's topic.
    bool MiEz(const QWidget* w) const;

    // Gives w its topic and the "Mi ez?" pop-up.
    static void KontextusBeallitas(QWidget* w, int kontextus);
    // The topic of w or of its nearest parent that has one; 0 when none.
    static int Kontextus(const QWidget* w);

    // The pop-up of w at pos (w's coordinates) with the "Mi ez?" item; the
    // control under the pop-up is remembered for the item. Tests call it
    // without showing the menu (mutat false) and trigger the item.
    QMenu* Felugro(QWidget* w, const QPoint& pos, bool mutat = true);
    // The control the last pop-up was opened on.
    const QWidget* Celpont() const { return celpont_; }

private:
    QPointer<QAction> miEz_;
    QPointer<const QWidget> celpont_;
};

}  // namespace kvx
