#include "bedienung.h"

#include "intern_gui.h"

#include <QApplication>
#include <QKeySequence>
#include <QTest>

namespace {

QWidget *aktiv(int panel)
{
    tk::Panel *p = tk::panel(panel);
    if (!p) return nullptr;
    if (!p->fenster->isVisible()) DisplayPanel(panel);
    QApplication::setActiveWindow(p->fenster);
    if (!QTest::qWaitForWindowActive(p->fenster)) return nullptr;
    return p->fenster->focusWidget() ? p->fenster->focusWidget() : p->fenster.data();
}

}  // namespace

int TK_Tasten(int panel, const char *folge)
{
    if (!aktiv(panel) || !folge) return TK_FEHLER_HANDLE;
    for (const QString &teil : QString::fromUtf8(folge).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QKeyCombination taste = QKeySequence(teil)[0];
        // A popup (a ring's list, a menu) takes the keys while it is open.
        QWidget *ziel = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : aktiv(panel);
        QTest::keyClick(ziel, taste.key(), taste.keyboardModifiers());
    }
    return 0;
}

int TK_TextTippen(int panel, const char *text)
{
    QWidget *w = aktiv(panel);
    if (!w || !text) return TK_FEHLER_HANDLE;
    QTest::keyClicks(w, QString::fromUtf8(text));
    return 0;
}
