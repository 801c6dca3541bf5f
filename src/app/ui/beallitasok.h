#pragma once
// The settings dialog. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class TBeallitasok : public QDialog {
    Q_OBJECT
public:
    explicit TBeallitasok(QWidget* parent = nullptr);

private:
    void FormCreate();
};
