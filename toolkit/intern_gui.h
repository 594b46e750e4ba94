// Shared internals of the toolkit: the panel registry and the popups' display.
// Qt types stay inside toolkit/.
#ifndef TOOLKIT_INTERN_H
#define TOOLKIT_INTERN_H

#include "toolkit_gui.h"

#include <QPointer>
#include <QWidget>
#include <map>

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

void meldungZeigen(const char *title, const char *message);

}  // namespace tk

#endif
