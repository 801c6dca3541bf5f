#pragma once
// The draw-entry window. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class THuzBe : public QDialog {
    Q_OBJECT
public:
    explicit THuzBe(QWidget* parent = nullptr);

private:
    void FormCreate();
};
