#pragma once
// The statistics window. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class TStatisztika : public QDialog {
    Q_OBJECT
public:
    explicit TStatisztika(QWidget* parent = nullptr);

private:
    void FormCreate();
};
