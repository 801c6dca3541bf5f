#pragma once
// Test helper: records the text of the wait window each time it shows (the
// modeless window shows and closes within one call, with no event loop in
// between to look at it).
#include <QEvent>
#include <QLabel>
#include <QObject>
#include <QStringList>

#include "app/ui/uzenetablak.h"

namespace kvx::teszt {

class VarakozasFigyelo : public QObject {
public:
    explicit VarakozasFigyelo(kvx::TUzenetAblak* w) : w_(w) { w_->installEventFilter(this); }
    ~VarakozasFigyelo() override { w_->removeEventFilter(this); }

    QStringList Feliratok;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == w_ && e->type() == QEvent::Show)
            Feliratok << w_->Label1->text();
        return false;
    }

private:
    kvx::TUzenetAblak* w_;
};

}  // namespace kvx::teszt
