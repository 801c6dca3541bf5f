#pragma once
// The draws table of the current game, its edits and the database kind: the
// windows that show draws change them through here and refresh on valtozott.
#include <QObject>

namespace kvx {
class Program;
}

class HuzasokVezerlo : public QObject {
    Q_OBJECT
public:
    explicit HuzasokVezerlo(kvx::Program& program, QObject* parent = nullptr);

signals:
    // The draws table or its database changed (load, entry, edit, undo).
    void valtozott();

private:
    kvx::Program& p_;
};
