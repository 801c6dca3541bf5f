#pragma once
// The main ticket's number lists: every change of the selected, fixed,
// constant and random numbers goes through here, after the variation
// controller agreed to it, and is announced with szamokValtoztak.
#include <QObject>

namespace kvx {
class Program;
}

class SzelvenyVezerlo : public QObject {
    Q_OBJECT
public:
    explicit SzelvenyVezerlo(kvx::Program& program, QObject* parent = nullptr);

signals:
    // The number lists changed; tulteli: the line holds more numbers than
    // one line of the game (a variation can be made of it).
    void szamokValtoztak(bool tulteli);

private:
    kvx::Program& p_;
};
