// What assistive technology reads of the toolkit's own controls: a text
// control is read as its text, the graph as a chart described by the span
// of its axes, a ring as the spoken form of its item, a numeric field
// without a bound it does not have.
#include "graph_gui.h"
#include "intern_gui.h"
#include "numeric_gui.h"
#include "ring_gui.h"
#include "text_gui.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <cmath>

namespace {

// The text it shows is the name; what kind of line it is (its accessible
// name in the form) and its tooltip describe it.
class TextZugang : public QAccessibleWidget {
public:
    explicit TextZugang(tk::TextCtrl *t) : QAccessibleWidget(t, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        auto *c = static_cast<tk::TextCtrl *>(widget());
        if (t == QAccessible::Name)
            return c->anzeige().isEmpty() ? c->accessibleName() : c->anzeige();
        if (t == QAccessible::Description) {
            QStringList teile;
            for (const QString &s : {c->accessibleName(), c->toolTip()})
                if (!s.isEmpty())
                    teile << s;
            return teile.join(QStringLiteral(": "));
        }
        return QAccessibleWidget::text(t);
    }
};

// A chart, which readers present, not a filler they skip.
class GraphZugang : public QAccessibleWidget {
public:
    explicit GraphZugang(tk::GraphCtrl *g) : QAccessibleWidget(g, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return static_cast<tk::GraphCtrl *>(widget())->beschreibung();
        return QAccessibleWidget::text(t);
    }
};

// A combo box read as its item's spoken form ("50 µs", not "50us"), with
// its popup list as its child and the actions to open and close it. As on
// Linux generally, the name is the value; the label comes by the relation.
class RingZugang : public QAccessibleWidget {
public:
    explicit RingZugang(tk::RingCtrl *r) : QAccessibleWidget(r, QAccessible::ComboBox) {}

    tk::RingCtrl *ring() const { return static_cast<tk::RingCtrl *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Value) {
            const QString s = ring()->currentIndex() < 0 ? QString() : ring()->sprechtext(ring()->currentIndex());
            if (!s.isEmpty())
                return s;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = ring()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int i) const override
    {
        return i == 0 ? QAccessible::queryAccessibleInterface(ring()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *c) const override
    {
        return c && c->object() == ring()->view() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override
    {
        return {showMenuAction(), pressAction()};
    }
    void doAction(const QString &name) override
    {
        if (name != showMenuAction() && name != pressAction())
            return;
        if (ring()->view()->isVisible())
            ring()->hidePopup();
        else
            ring()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// A numeric field: its value and range, where a range without bounds has
// none to read ("ohne Grenzen", never "-inf bis inf"), and its text, read
// and edited as any text field's (Qt gives the line edit inside a spin box
// no interface of its own).
class ZahlZugang : public QAccessibleWidget,
                   public QAccessibleValueInterface,
                   public QAccessibleTextInterface,
                   public QAccessibleEditableTextInterface {
public:
    explicit ZahlZugang(tk::NumericCtrl *n) : QAccessibleWidget(n, QAccessible::SpinBox) {}

    tk::NumericCtrl *feld() const { return static_cast<tk::NumericCtrl *>(widget()); }
    QLineEdit *zeile() const { return feld()->findChild<QLineEdit *>(); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return zeile()->text();
        if (t == QAccessible::Description && !std::isfinite(feld()->minimum()) && !std::isfinite(feld()->maximum())) {
            const QString d = QAccessibleWidget::text(t);
            return d.isEmpty() ? QStringLiteral("ohne Grenzen") : d + QStringLiteral(", ohne Grenzen");
        }
        return QAccessibleWidget::text(t);
    }
    using QAccessibleInterface::text;

    // Value.
    QVariant currentValue() const override { return feld()->wert(); }
    // A value set by assistive technology is the user's commit.
    void setCurrentValue(const QVariant &v) override
    {
        feld()->setzeWert(v.toDouble());
        emit feld()->festgelegt();
    }
    QVariant maximumValue() const override { return grenze(feld()->maximum()); }
    QVariant minimumValue() const override { return grenze(feld()->minimum()); }
    QVariant minimumStepSize() const override { return feld()->schritt(); }

    // Text, the line edit's.
    void selection(int i, int *von, int *bis) const override
    {
        *von = *bis = 0;
        if (i == 0 && zeile()->hasSelectedText()) {
            *von = zeile()->selectionStart();
            *bis = zeile()->selectionEnd();
        }
    }
    int selectionCount() const override { return zeile()->hasSelectedText() ? 1 : 0; }
    void addSelection(int von, int bis) override { setSelection(0, von, bis); }
    void removeSelection(int) override { zeile()->deselect(); }
    void setSelection(int, int von, int bis) override { zeile()->setSelection(von, bis - von); }
    int cursorPosition() const override { return zeile()->cursorPosition(); }
    void setCursorPosition(int p) override { zeile()->setCursorPosition(p); }
    QString text(int von, int bis) const override { return zeile()->text().mid(von, bis - von); }
    int characterCount() const override { return static_cast<int>(zeile()->text().size()); }
    QRect characterRect(int) const override { return QRect(zeile()->mapToGlobal(QPoint(0, 0)), zeile()->size()); }
    int offsetAtPoint(const QPoint &p) const override { return zeile()->cursorPositionAt(zeile()->mapFromGlobal(p)); }
    void scrollToSubstring(int, int) override {}
    QString attributes(int stelle, int *von, int *bis) const override
    {
        *von = *bis = stelle;
        return QString();
    }

    // Editing, as typing would: the field knows it was edited.
    void deleteText(int von, int bis) override { replaceText(von, bis, QString()); }
    void insertText(int stelle, const QString &text) override { replaceText(stelle, stelle, text); }
    void replaceText(int von, int bis, const QString &text) override
    {
        zeile()->setSelection(von, bis - von);
        zeile()->insert(text);
    }

private:
    static QVariant grenze(double v) { return std::isfinite(v) ? QVariant(v) : QVariant(); }
};

QAccessibleInterface *fabrik(const QString &klasse, QObject *o)
{
    if (klasse == QLatin1String("tk::TextCtrl"))
        return new TextZugang(static_cast<tk::TextCtrl *>(o));
    if (klasse == QLatin1String("tk::GraphCtrl"))
        return new GraphZugang(static_cast<tk::GraphCtrl *>(o));
    if (klasse == QLatin1String("tk::RingCtrl"))
        return new RingZugang(static_cast<tk::RingCtrl *>(o));
    if (klasse == QLatin1String("tk::NumericCtrl"))
        return new ZahlZugang(static_cast<tk::NumericCtrl *>(o));
    return nullptr;
}

}  // namespace

namespace tk {

void zugangEinrichten()
{
    static bool eingerichtet = false;
    if (!eingerichtet)
        QAccessible::installFactory(fabrik);
    eingerichtet = true;
}

}  // namespace tk
