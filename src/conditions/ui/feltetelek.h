#pragma once
// The conditions window. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class TFeltetelek : public QDialog {
    Q_OBJECT
public:
    explicit TFeltetelek(QWidget* parent = nullptr);

private:
    void FormCreate();
};
