// Panels: loading a Designer form from the program's resources, binding its
// callbacks by name, showing, discarding and their attributes.
#include "graph_gui.h"
#include "intern_gui.h"
#include "numeric_gui.h"
#include "ring_gui.h"
#include "text_gui.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWhatsThis>
#include <QtUiTools/QUiLoader>
#include <cstring>
#include <vector>

namespace {

std::vector<CallbackEntry> s_tabelle;
std::map<int, tk::Panel> s_panels;
int s_naechsterHandle = 1;

// Creates the toolkit's own numeric control, ring and graph where the form
// names QDoubleSpinBox, QComboBox, TK_Graph, TK_Text and TK_Textbereich; everything else as Designer
// made it.
class Lader : public QUiLoader {
public:
    QWidget *createWidget(const QString &klasse, QWidget *eltern, const QString &name) override
    {
        QWidget *w = nullptr;
        if (klasse == QLatin1String("QDoubleSpinBox"))
            w = new tk::NumericCtrl(eltern);
        else if (klasse == QLatin1String("QComboBox"))
            w = new tk::RingCtrl(eltern);
        else if (klasse == QLatin1String("TK_Graph"))
            w = new tk::GraphCtrl(eltern);
        else if (klasse == QLatin1String("TK_Text"))
            w = new tk::TextCtrl(eltern);
        else if (klasse == QLatin1String("TK_Textbereich"))
            w = new tk::Textbereich(eltern);
        else
            return QUiLoader::createWidget(klasse, eltern, name);
        w->setObjectName(name);
        return w;
    }
};

const CallbackEntry *eintrag(const QByteArray &name)
{
    for (const CallbackEntry &e : s_tabelle)
        if (e.name && name == e.name)
            return &e;
    return nullptr;
}

// Turns the window's close box and activation into panel events; the window
// itself never closes on its own.
class PanelFilter : public QObject {
public:
    explicit PanelFilter(int handle, QObject *eltern) : QObject(eltern), m_handle(handle) {}

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        int ereignis = 0;
        if (e->type() == QEvent::Close) {
            e->ignore();
            ereignis = EVENT_CLOSE;
        } else if (e->type() == QEvent::WindowActivate) {
            ereignis = EVENT_GOT_FOCUS;
        } else if (e->type() == QEvent::WindowDeactivate) {
            ereignis = EVENT_LOST_FOCUS;
        }
        tk::Panel *p = tk::panel(m_handle);
        if (ereignis && p && p->rueckruf)
            p->rueckruf(m_handle, ereignis, nullptr, 0, 0);
        return e->type() == QEvent::Close;
    }

private:
    int m_handle;
};

// What a person expects of rings and buttons: the wheel changes a ring only
// when it has the focus, and Enter presses a focused button as Space does.
class Bedienung : public QObject {
public:
    explicit Bedienung(QObject *eltern) : QObject(eltern) {}

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *w = static_cast<QWidget *>(o);
        if (e->type() == QEvent::Wheel && qobject_cast<QComboBox *>(w) && !w->hasFocus())
            return true;
        if (e->type() == QEvent::KeyPress) {
            auto *b = qobject_cast<QAbstractButton *>(w);
            const int taste = static_cast<QKeyEvent *>(e)->key();
            if (b && (taste == Qt::Key_Return || taste == Qt::Key_Enter)) {
                b->click();
                return true;
            }
        }
        return false;
    }
};

// Before a menu item or a button acts (export, undo, ...), what the user
// typed or chose in the focused input is committed, as leaving the field
// would; a button pressed by its mnemonic takes no focus.
void offenesFestlegen(QWidget *fenster)
{
    QWidget *w = fenster->focusWidget();
    for (; w && w != fenster; w = w->parentWidget()) {
        if (auto *n = qobject_cast<tk::NumericCtrl *>(w))
            return n->offenesFestlegen();
        if (auto *r = qobject_cast<tk::RingCtrl *>(w))
            return r->offenesFestlegen();
    }
}

TK_Ablehnung s_ablehnung = nullptr;
TK_Zahlleser s_zahlleser = nullptr;

void commit(int handle, int id, CtrlCallbackPtr rueckruf)
{
    if (tk::panel(handle))
        rueckruf(handle, id, EVENT_COMMIT, nullptr, 0, 0);
}

// Binds one control's callback to its user-commit signal. False if the
// control names a callback that no function of the table answers to.
bool controlBinden(int handle, int id, QWidget *w)
{
    if (auto *n = qobject_cast<tk::NumericCtrl *>(w))
        n->setzeLeser([=](const QString &text, double *wert) {
            const QByteArray utf8 = text.toUtf8();
            if (s_zahlleser && tk::panel(handle))
                return s_zahlleser(handle, id, utf8.constData(), wert) == 0;
            return TK_ZahlLesen(utf8.constData(), wert) != 0;
        });
    QByteArray name = w->property("cviCallback").toByteArray();
    if (name.isEmpty())
        return true;
    const CallbackEntry *e = eintrag(name);
    if (!e || !e->ctrl)
        return false;
    CtrlCallbackPtr f = e->ctrl;
    if (auto *n = qobject_cast<tk::NumericCtrl *>(w)) {
        QObject::connect(n, &tk::NumericCtrl::festgelegt, n, [=] { commit(handle, id, f); });
        QObject::connect(n, &tk::NumericCtrl::abgelehnt, n, [=](const QString &text) {
            if (s_ablehnung && tk::panel(handle))
                s_ablehnung(handle, id, text.toUtf8().constData());
        });
    }
    else if (auto *r = qobject_cast<tk::RingCtrl *>(w))
        QObject::connect(r, &tk::RingCtrl::festgelegt, r, [=] { commit(handle, id, f); });
    else if (auto *b = qobject_cast<QAbstractButton *>(w))
        QObject::connect(b, &QAbstractButton::clicked, b, [=] {
            offenesFestlegen(b->window());
            commit(handle, id, f);
        });
    return true;
}

// Ring item values come from the form as "1,2,3"; items without one take
// their index + 1.
void ringWerte(QComboBox *r)
{
    QStringList werte = r->property("cviWerte").toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int i = 0; i < r->count(); ++i)
        r->setItemData(i, i < werte.size() ? werte[i].trimmed().toInt() : i + 1);
}

// A screen reader announces each input by its label, without the mnemonic
// marker and the unit, and gives the unit and the tooltip as description.
// A name the form gives stays; where two labels differ only by their unit
// and the form gives none, the unit stays in the name.
void zugaenglichMachen(QWidget *fenster)
{
    const QList<QLabel *> labels = fenster->findChildren<QLabel *>();
    QStringList namen;
    for (QLabel *l : labels)
        namen << tk::labelName(l->text(), false);
    for (QLabel *l : labels) {
        QWidget *w = l->buddy();
        if (!w)
            continue;
        const QString name = tk::labelName(l->text(), false);
        const QString einheit = tk::labelEinheit(l->text());
        if (w->accessibleName().isEmpty())
            w->setAccessibleName(namen.count(name) > 1 ? tk::labelName(l->text(), true) : name);
        w->setProperty("tkEinheit", einheit);
        tk::beschreibungSetzen(w);
    }
}

// Shift+F1 shows what the focused control says of itself (its What's This,
// which is its tooltip until the program sets one); where it says nothing,
// the pointer asks the next control clicked.
void wasIstDasEinrichten(QWidget *fenster, const std::map<int, QPointer<QWidget>> &controls)
{
    for (auto &c : controls)
        if (c.second && c.second->whatsThis().isEmpty())
            c.second->setWhatsThis(c.second->toolTip());
    auto *a = new QAction(fenster);
    a->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, fenster, [fenster] {
        QWidget *w = fenster->focusWidget();
        while (w && w != fenster && w->whatsThis().isEmpty())
            w = w->parentWidget();
        if (!w || w == fenster || w->whatsThis().isEmpty()) {
            QWhatsThis::enterWhatsThisMode();
            return;
        }
        QWhatsThis::showText(w->mapToGlobal(QPoint(0, w->height())), w->whatsThis(), w);
    });
    fenster->addAction(a);
}

}  // namespace

namespace tk {

QString labelName(const QString &text, bool mitEinheit)
{
    // "&&" stands for an ampersand, a single "&" marks the mnemonic.
    QString name = text;
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    name.replace(QStringLiteral("\x01"), QStringLiteral("&")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const int klammer = name.indexOf(QLatin1Char('['));
    if (!mitEinheit && klammer > 0)
        name = name.left(klammer);
    return name.simplified();
}

QString labelEinheit(const QString &text)
{
    const int auf = text.indexOf(QLatin1Char('[')), zu = text.indexOf(QLatin1Char(']'));
    return auf >= 0 && zu > auf ? QString(text.mid(auf + 1, zu - auf - 1)).remove(QLatin1Char('&')) : QString();
}

void beschreibungSetzen(QWidget *w)
{
    QStringList beschreibung;
    for (const QString &teil : {w->property("tkEinheit").toString(), w->toolTip()})
        if (!teil.isEmpty())
            beschreibung << teil;
    w->setAccessibleDescription(beschreibung.join(QStringLiteral(", ")));
}

QLabel *label(int handle, int id)
{
    QWidget *w = control(handle, id);
    Panel *p = panel(handle);
    if (!w || !p)
        return nullptr;
    for (QLabel *l : p->fenster->findChildren<QLabel *>())
        if (l->buddy() == w)
            return l;
    return nullptr;
}

Panel *panel(int handle)
{
    auto it = s_panels.find(handle);
    return it == s_panels.end() || !it->second.fenster ? nullptr : &it->second;
}

QWidget *control(int handle, int id)
{
    Panel *p = panel(handle);
    if (!p)
        return nullptr;
    auto it = p->controls.find(id);
    return it == p->controls.end() ? nullptr : it->second.data();
}

NumericCtrl *numerisch(int handle, int id) { return qobject_cast<NumericCtrl *>(control(handle, id)); }
GraphCtrl *graph(int handle, int id) { return qobject_cast<GraphCtrl *>(control(handle, id)); }

}  // namespace tk

void SetCallbackTable(const CallbackEntry *table, int count)
{
    s_tabelle.assign(table, table + (table && count > 0 ? count : 0));
}

int LoadPanel(int, const char *fileName, int panelNumber)
{
    if (!tk::gestartet())
        return TK_FEHLER_NICHT_GESTARTET;
    if (!fileName || !*fileName)
        return TK_FEHLER_DATEI;
    QFile datei(QStringLiteral(":/") + QString::fromUtf8(fileName));
    if (!datei.open(QIODevice::ReadOnly))
        return TK_FEHLER_DATEI;
    Lader lader;
    QWidget *fenster = lader.load(&datei);
    if (!fenster)
        return TK_FEHLER_DATEI;
    if (fenster->property("cviPanel").toInt() != panelNumber) {
        delete fenster;
        return TK_FEHLER_PANELNUMMER;
    }

    const int handle = s_naechsterHandle;
    tk::Panel p;
    p.handle = handle;
    p.fenster = fenster;
    bool gebunden = true;
    QByteArray panelRueckruf = fenster->property("cviCallback").toByteArray();
    if (!panelRueckruf.isEmpty()) {
        const CallbackEntry *e = eintrag(panelRueckruf);
        gebunden = e && e->panel;
        p.rueckruf = gebunden ? e->panel : nullptr;
    }
    auto *bedienung = new Bedienung(fenster);
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        QVariant id = w->property("cviId");
        if (!id.isValid())
            continue;
        if (auto *r = qobject_cast<QComboBox *>(w)) {
            ringWerte(r);
            r->setFocusPolicy(Qt::StrongFocus);
        }
        if (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w))
            w->installEventFilter(bedienung);
        p.controls[id.toInt()] = w;
        gebunden = gebunden && controlBinden(handle, id.toInt(), w);
    }
    for (QAction *a : fenster->findChildren<QAction *>()) {
        QByteArray name = a->property("cviCallback").toByteArray();
        if (name.isEmpty())
            continue;
        const CallbackEntry *e = eintrag(name);
        if (!e || !e->menu) {
            gebunden = false;
            continue;
        }
        MenuCallbackPtr f = e->menu;
        int item = a->property("cviId").toInt();
        QObject::connect(a, &QAction::triggered, a, [=] {
            tk::Panel *p = tk::panel(handle);
            if (!p)
                return;
            offenesFestlegen(p->fenster);
            if (tk::panel(handle))
                f(handle, item, nullptr, handle);
        });
    }
    if (!gebunden) {
        delete fenster;
        return TK_FEHLER_RUECKRUF;
    }
    zugaenglichMachen(fenster);
    wasIstDasEinrichten(fenster, p.controls);
    fenster->installEventFilter(new PanelFilter(handle, fenster));
    s_panels[handle] = p;
    ++s_naechsterHandle;
    return handle;
}

int DisplayPanel(int handle)
{
    tk::Panel *p = tk::panel(handle);
    if (!p)
        return TK_FEHLER_HANDLE;
    p->fenster->show();
    p->fenster->raise();
    p->fenster->activateWindow();
    // Start on the first input, the control with the lowest id that takes
    // focus, as Tab would reach it: its text selected.
    for (auto &c : p->controls)
        if (c.second && c.second->focusPolicy() != Qt::NoFocus) {
            c.second->setFocus(Qt::TabFocusReason);
            break;
        }
    return 0;
}

int DiscardPanel(int handle)
{
    auto it = s_panels.find(handle);
    if (it == s_panels.end())
        return TK_FEHLER_HANDLE;
    QWidget *fenster = it->second.fenster;
    s_panels.erase(it);
    delete fenster;  // controls go with it; no callback reaches a discarded panel
    return 0;
}

int SetPanelAttribute(int handle, int attribute, const char *value)
{
    tk::Panel *p = tk::panel(handle);
    if (!p)
        return TK_FEHLER_HANDLE;
    if (attribute != ATTR_TITLE || !value)
        return TK_FEHLER_ATTRIBUT;
    p->fenster->setWindowTitle(QString::fromUtf8(value));
    return 0;
}

int SetPanelAttribute(int handle, int attribute, int value)
{
    tk::Panel *p = tk::panel(handle);
    if (!p)
        return TK_FEHLER_HANDLE;
    if (attribute == ATTR_TITLE)
        return TK_FEHLER_ATTRIBUT;
    p->attribute[attribute] = value;
    return 0;
}

int GetPanelAttribute(int handle, int attribute, char *value, std::size_t size)
{
    tk::Panel *p = tk::panel(handle);
    if (!p)
        return TK_FEHLER_HANDLE;
    if (attribute != ATTR_TITLE || !value || size == 0)
        return TK_FEHLER_ATTRIBUT;
    TK_TextKopieren(value, size, p->fenster->windowTitle().toUtf8().constData());
    return 0;
}

namespace {

// The menu item @p menuItem of a panel's window, or null (*code says why).
QAction *MenuAktion(int handle, int menuItem, int *code)
{
    tk::Panel *p = tk::panel(handle);
    *code = p ? TK_FEHLER_CONTROL : TK_FEHLER_HANDLE;
    if (p)
        for (QAction *a : p->fenster->findChildren<QAction *>())
            if (a->property("cviId").isValid() && a->property("cviId").toInt() == menuItem)
                return a;
    return nullptr;
}

}  // namespace

void TK_AblehnungSetzen(TK_Ablehnung ablehnung)
{
    s_ablehnung = ablehnung;
}

void TK_ZahlleserSetzen(TK_Zahlleser leser)
{
    s_zahlleser = leser;
}

int TK_MenuText(int handle, int menuItem, const char *text)
{
    int code;
    QAction *a = MenuAktion(handle, menuItem, &code);
    if (!a)
        return code;
    a->setText(QString::fromUtf8(text ? text : ""));
    return 0;
}

int TK_MenuHaken(int handle, int menuItem, int checked)
{
    int code;
    QAction *a = MenuAktion(handle, menuItem, &code);
    if (!a)
        return code;
    const QSignalBlocker still(a);  // set from code: no menu event
    a->setChecked(checked != 0);
    return 0;
}

int TK_MenuZeigen(int handle, int menuItem, int visible)
{
    int code;
    QAction *a = MenuAktion(handle, menuItem, &code);
    if (!a)
        return code;
    a->setVisible(visible != 0);
    return 0;
}

int TK_MenuDimmen(int handle, int menuItem, int dimmed)
{
    int code;
    QAction *a = MenuAktion(handle, menuItem, &code);
    if (!a)
        return code;
    a->setEnabled(!dimmed);
    return 0;
}
