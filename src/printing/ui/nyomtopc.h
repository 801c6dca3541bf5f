#pragma once
// The options window of betting-slip filling. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class TNyomtOpc : public QDialog {
    Q_OBJECT
public:
    explicit TNyomtOpc(QWidget* parent = nullptr);

private:
    void FormCreate();
};
