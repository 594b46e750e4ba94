// The user's keys and clicks through Qt Test; the wheel, which Qt Test has
// no call for, as the event a mouse would send.
#include "treiber.h"

#include "graph_gui.h"
#include "text_gui.h"
#include "intern_gui.h"
#include "numeric_gui.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <cstdlib>

namespace {

constexpr int RAST = 120;  // one wheel notch in eighths of a degree

}  // namespace

int TK_Tippen(int panel, int control, const char *text)
{
    tk::NumericCtrl *n = tk::numerisch(panel, control);
    if (!n || !text) return TK_FEHLER_CONTROL;
    n->setFocus();
    n->selectAll();
    QTest::keyClicks(n, QString::fromUtf8(text));
    QTest::keyClick(n, Qt::Key_Return);
    return 0;
}

int TK_Pfeil(int panel, int control, int steps)
{
    tk::NumericCtrl *n = tk::numerisch(panel, control);
    if (!n) return TK_FEHLER_CONTROL;
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(n, steps < 0 ? Qt::Key_Down : Qt::Key_Up);
    return 0;
}

int TK_RingWaehlen(int panel, int control, int index)
{
    auto *r = qobject_cast<QComboBox *>(tk::control(panel, control));
    if (!r || index < 0 || index >= r->count()) return TK_FEHLER_CONTROL;
    // Ends where the ring refuses the item: it stays or skips past it.
    while (r->currentIndex() != index) {
        const int vorher = r->currentIndex();
        QTest::keyClick(r, vorher < index ? Qt::Key_Down : Qt::Key_Up);
        const int jetzt = r->currentIndex();
        if (jetzt == vorher || (jetzt != index && (jetzt < index) != (vorher < index)))
            return TK_FEHLER_ARGUMENT;
    }
    return 0;
}

int TK_Rad(int panel, int control, int notches)
{
    QWidget *w = tk::control(panel, control);
    if (!w) return TK_FEHLER_CONTROL;
    const QPointF mitte = QRectF(w->rect()).center();
    for (int i = 0; i < std::abs(notches); ++i) {
        QWheelEvent rad(mitte, w->mapToGlobal(mitte), QPoint(), QPoint(0, notches < 0 ? -RAST : RAST), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &rad);
    }
    return 0;
}

int TK_Eingabetaste(int panel, int control)
{
    QWidget *w = tk::control(panel, control);
    if (!w) return TK_FEHLER_CONTROL;
    w->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w, Qt::Key_Return);
    return 0;
}

int TK_Klicken(int panel, int control)
{
    auto *b = qobject_cast<QAbstractButton *>(tk::control(panel, control));
    if (!b) return TK_FEHLER_CONTROL;
    QTest::mouseClick(b, Qt::LeftButton);
    return 0;
}

int TK_Schliessen(int panel)
{
    tk::Panel *p = tk::panel(panel);
    if (!p) return TK_FEHLER_HANDLE;
    p->fenster->close();  // what the close box asks the window
    return 0;
}

int TK_MenuWaehlen(int panel, int menuItem)
{
    tk::Panel *p = tk::panel(panel);
    if (!p) return TK_FEHLER_HANDLE;
    for (QAction *a : p->fenster->findChildren<QAction *>())
        if (a->property("cviId").isValid() && a->property("cviId").toInt() == menuItem) {
            a->trigger();
            return 0;
        }
    return TK_FEHLER_CONTROL;
}

int TK_Tabulator(int panel)
{
    tk::Panel *p = tk::panel(panel);
    QWidget *w = p ? p->fenster->focusWidget() : nullptr;
    if (!w) return TK_FEHLER_HANDLE;
    QTest::keyClick(w, Qt::Key_Tab);
    return 0;
}

int TK_FokusControl(int panel)
{
    tk::Panel *p = tk::panel(panel);
    if (!p) return TK_FEHLER_HANDLE;
    // The window's focus widget: the one that has the keyboard whenever the
    // window is active.
    QWidget *w = p->fenster->focusWidget();
    for (auto &c : p->controls)
        if (c.second && w && (c.second == w || c.second->isAncestorOf(w))) return c.first;
    return 0;
}

int TK_Anzeige(int panel, int control, char *text, std::size_t size)
{
    QWidget *w = tk::control(panel, control);
    QString s;
    if (auto *n = qobject_cast<tk::NumericCtrl *>(w))
        s = n->text();
    else if (auto *r = qobject_cast<QComboBox *>(w))
        s = r->currentText();
    else if (auto *b = qobject_cast<QAbstractButton *>(w))
        s = b->text();
    else if (auto *t = qobject_cast<tk::TextCtrl *>(w))
        s = t->anzeige();  // as written, its blanks not yet made non-breaking
    else if (auto *l = qobject_cast<QLabel *>(w))
        s = l->text();
    else
        return TK_FEHLER_CONTROL;
    TK_TextKopieren(text, size, s.toUtf8().constData());
    return 0;
}

int TK_AnzahlPlots(int panel, int control)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    return g ? g->anzahlPlots() : TK_FEHLER_CONTROL;
}

int TK_PlotWerte(int panel, int control, double *values, int size)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    const std::vector<double> *w = g ? g->hauptWerte() : nullptr;
    if (!w) return TK_FEHLER_CONTROL;
    for (int i = 0; i < size && i < static_cast<int>(w->size()); ++i)
        values[i] = (*w)[static_cast<size_t>(i)];
    return static_cast<int>(w->size());
}

void TK_Spaeter(void (*function)(void *), void *data)
{
    PostDeferredCall(function, data);
}
