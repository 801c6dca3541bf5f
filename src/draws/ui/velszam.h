#pragma once
// The random-count dialog. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class TVelSzam : public QDialog {
    Q_OBJECT
public:
    explicit TVelSzam(QWidget* parent = nullptr);

private:
    void FormCreate();
};
