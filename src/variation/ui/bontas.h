#pragma once
// The status window of a generation run. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class TBontas : public QDialog {
    Q_OBJECT
public:
    explicit TBontas(QWidget* parent = nullptr);

private:
    void FormCreate();
};
