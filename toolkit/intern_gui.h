// Shared internals of the toolkit: the panel registry and the popups' display.
// Qt types stay inside toolkit/.
#ifndef TOOLKIT_INTERN_H
#define TOOLKIT_INTERN_H

#include "toolkit_gui.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace tk {

class GraphCtrl;
class NumericCtrl;

struct Panel {
    int handle = 0;
    QPointer<QWidget> fenster;
    PanelCallbackPtr rueckruf = nullptr;
    std::map<int, QPointer<QWidget>> controls;
    std::map<int, int> attribute;  // accepted attributes without a matching setting
};

bool gestartet();
Panel *panel(int handle);
QWidget *control(int handle, int id);
NumericCtrl *numerisch(int handle, int id);
GraphCtrl *graph(int handle, int id);
/// The label whose buddy the control is, or null.
QLabel *label(int handle, int id);
/// A label's text as a name: without the mnemonic marker and line breaks,
/// and without its "[unit]" unless @p mitEinheit.
QString labelName(const QString &text, bool mitEinheit);
/// What a screen reader gives as an input's description: its unit (kept
/// from its label at loading) and its tooltip.
void beschreibungSetzen(QWidget *w);
/// The unit a label gives in brackets ("Frequenz [Hz]": "Hz"), or "".
QString labelEinheit(const QString &text);

void meldungZeigen(const char *title, const char *message);
/// Lets assistive technology read the toolkit's text controls and graph.
void zugangEinrichten();

}  // namespace tk

#endif
