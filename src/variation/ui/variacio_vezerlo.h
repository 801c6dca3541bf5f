#pragma once
// The variation: its store, its runs and its deletion. Windows that show the
// lines or depend on a run subscribe to the signals; the rules that span
// windows (a changed selection deletes the variation, a deletion closes what
// shows the lines, a run disables the other windows) live here.
#include <QObject>

namespace kvx {
class Program;
}

class VariacioVezerlo : public QObject {
    Q_OBJECT
public:
    explicit VariacioVezerlo(kvx::Program& program, QObject* parent = nullptr);

signals:
    void valtozott();

private:
    kvx::Program& p_;
};
