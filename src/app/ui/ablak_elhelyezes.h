#pragma once
// The window placement service: one per main window, made by it as its
// child. A secondary window asks it for its place when it shows; the
// service measures the main window, its toolbar band and every other open
// window, and applies what app/window_placement.* computes.
#include <QObject>
#include <QRect>
#include <QScrollArea>

#include <optional>

#include "app/window_placement.h"

class QMainWindow;
class QWidget;

namespace kvx {

class AblakElhelyezes : public QObject {
    Q_OBJECT
public:
    explicit AblakElhelyezes(QMainWindow* foablak);

    // The service of the main window the window belongs to; none for a
    // window built without a main window.
    static AblakElhelyezes* Keres(const QWidget* ablak);

    // Places the window by its kind's rule. At its first showing, or when
    // `elolrol` is set, the kind's first-showing rule gives its spot; later
    // it keeps its place while that is free.
    void Elhelyez(QWidget* ablak, bool elolrol = false);

    // The work area the windows are placed in: the main window's screen's,
    // unless one was given (a test's screen of a set size).
    QRect MunkaTerulet() const;
    void SetMunkaTerulet(std::optional<QRect> r);
    // The part of it a secondary window may take: under the main window's
    // toolbar band.
    QRect AblakTerulet() const;
    // The largest client size a window may take there (its frame less).
    QSize LegnagyobbMeret(const QWidget* ablak) const;

    // The main window's measures as the placement rules read them.
    FoablakMeretek Meretek() const;
    // The main window's title, menu and toolbar band (frame, screen coordinates).
    QRect EszkoztarSav() const;
    // The screen's height (with a work area given: that area's) and the
    // height of the main window's status bar (0 without one).
    int KepernyoMagassag() const;
    int StatusSorMagassag() const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QMainWindow* foablak_;
    std::optional<QRect> munkaTerulet_;
};

// A scroll area that asks for its content's full size: its window shows the
// content whole where the screen has room, and may be made smaller by the
// placement where it has not (the content then scrolls).
class TartalomGorgeto : public QScrollArea {
public:
    // Takes `tartalom` over; `minSorok` text lines stay visible at the least.
    TartalomGorgeto(QWidget* tartalom, int minSorok, QWidget* szulo);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int minSorok_;
};

// What a window calls when it shows (and the main window when a window must
// go beside a changed ticket): placement through the service of its main
// window. With `elolrol` the window is placed afresh, at once when it is
// showing, else at its next showing. Without a service the window is only
// kept on its screen.
void AblakElhelyezese(QWidget* ablak, bool elolrol = false);

}  // namespace kvx
