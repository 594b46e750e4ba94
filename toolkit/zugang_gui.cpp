// What assistive technology reads of the toolkit's own controls: a text
// control is read as its text, the graph as a chart described by the span
// of its axes.
#include "graph_gui.h"
#include "intern_gui.h"
#include "text_gui.h"

#include <QAccessibleWidget>

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

QAccessibleInterface *fabrik(const QString &klasse, QObject *o)
{
    if (klasse == QLatin1String("tk::TextCtrl"))
        return new TextZugang(static_cast<tk::TextCtrl *>(o));
    if (klasse == QLatin1String("tk::GraphCtrl"))
        return new GraphZugang(static_cast<tk::GraphCtrl *>(o));
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
