#pragma once
// The variation list window. Its content is built with its subsystem; for now
// the window exists with its caption, created once at start-up.
#include <QDialog>

class TBontLista : public QDialog {
    Q_OBJECT
public:
    explicit TBontLista(QWidget* parent = nullptr);

private:
    void FormCreate();
};
