#pragma once
// The connection window shown while a download runs. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class TInternetLetoltesAblak : public QDialog {
    Q_OBJECT
public:
    explicit TInternetLetoltesAblak(QWidget* parent = nullptr);

private:
    void FormCreate();
};
