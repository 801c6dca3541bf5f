#pragma once
// Small helpers shared by the condition tabs' widget code.
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <functional>
#include <string>

#include "conditions/distribution_conditions.h"

namespace kvx::lap {

inline QString q(const std::string& s)
{
    return QString::fromStdString(s);
}
// Hints keep the program's "\r\n" line breaks; a tooltip breaks on "\n".
inline QString tipp(const std::string& s)
{
    return q(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Shows a value with its limits, without running the edit's handlers.
inline void ertek(QSpinBox* e, const Korlat& k, std::int32_t v)
{
    const QSignalBlocker b(e);
    e->setRange(k.Min, std::max(k.Min, k.Max));
    e->setValue(v);
}

// A radio group: its item index is the button's id.
struct RadioCsoport {
    QGroupBox* Doboz = nullptr;
    QButtonGroup* Gombok = nullptr;
    int ItemIndex() const { return Gombok->checkedId(); }
    void SetItemIndex(int i)
    {
        const QSignalBlocker b(Gombok);
        if (QAbstractButton* g = Gombok->button(i)) g->setChecked(true);
    }
    void SetEnabled(int i, bool be)
    {
        if (QAbstractButton* g = Gombok->button(i)) g->setEnabled(be);
    }
};

inline RadioCsoport radioCsoport(QWidget* szulo, const char* nev, const char* cim,
                                 std::initializer_list<const char*> elemek)
{
    RadioCsoport r;
    r.Doboz = new QGroupBox(QString::fromUtf8(cim), szulo);
    r.Doboz->setObjectName(nev);
    r.Gombok = new QButtonGroup(r.Doboz);
    auto* l = new QHBoxLayout(r.Doboz);
    l->setContentsMargins(4, 2, 4, 2);
    int i = 0;
    for (const char* e : elemek) {
        auto* g = new QRadioButton(QString::fromUtf8(e), r.Doboz);
        r.Gombok->addButton(g, i++);
        l->addWidget(g);
    }
    l->addStretch(1);
    return r;
}

// Runs f on a double click on the value of a spin box or a line edit.
class DuplaKattintas : public QObject {
public:
    DuplaKattintas(QWidget* w, std::function<void()> f) : QObject(w), f_(std::move(f))
    {
        QWidget* cel = w;
        if (auto* s = qobject_cast<QAbstractSpinBox*>(w))
            if (QLineEdit* le = s->findChild<QLineEdit*>()) cel = le;
        cel->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonDblClick && static_cast<QWidget*>(o)->isEnabled()) {
            f_();
            return true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> f_;
};

inline QLabel* cimke(const char* s, QWidget* p)
{
    return new QLabel(QString::fromUtf8(s), p);
}

}  // namespace kvx::lap
