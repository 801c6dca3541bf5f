#pragma once
// The status bar's variation panel as a service of the ui base: whoever
// learns the variation's state writes it here, and the status bar draws the
// text. It keeps the last state written, so that the file commands can name
// a file after the panel and the number commands can tell whether a
// variation was shown. One per Program.
// Signals: kiirva() after every write.
#include <QObject>
#include <QString>

#include "app/shell_state.h"

namespace kvx {

class VariacioStatusz : public QObject {
    Q_OBJECT
public:
    explicit VariacioStatusz(QObject* parent = nullptr);

    // Keeps v as the last state. While the run window exists the panel's
    // text follows the state (befejezett: the run is not going; allapotSzoveg
    // false: only the panels' widths are refreshed).
    void Kiiras(const VariacioAllapot& v, bool befejezett, bool allapotSzoveg);
    // The last state written again, as finished, with its text.
    void Ujrakiiras();

    // The panel's text as it shows now; empty until a state gave one.
    const QString& Szoveg() const { return szoveg_; }
    // The last state written.
    const VariacioAllapot& Allapot() const { return allapot_; }

signals:
    // Written (its text may have stayed): the status bar draws the text and
    // sizes its panels.
    void kiirva();

private:
    VariacioAllapot allapot_;
    QString szoveg_;
};

}  // namespace kvx
