#pragma once
// The variation test window. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class TBontTeszt : public QDialog {
    Q_OBJECT
public:
    explicit TBontTeszt(QWidget* parent = nullptr);

private:
    void FormCreate();
};
