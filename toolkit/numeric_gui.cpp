#include "numeric_gui.h"

#include "toolkit_kern.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tk {

NumericCtrl::NumericCtrl(QWidget *parent)
    : QAbstractSpinBox(parent),
      m_min(-std::numeric_limits<double>::infinity()),
      m_max(std::numeric_limits<double>::infinity()),
      // The number syntax that the batch exporter reads too.
      m_leser([](const QString &text, double *wert) { return TK_ZahlLesen(text.toUtf8().constData(), wert) != 0; })
{
    setKeyboardTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_bearbeitet = true; });
    anzeigen();
}

void NumericCtrl::setzeWert(double v)
{
    if (std::isnan(v))
        return;
    m_wert = std::clamp(v, m_min, m_max);
    m_bearbeitet = false;
    anzeigen();
}

void NumericCtrl::setzeMinimum(double v)
{
    m_min = v;
    m_max = std::max(m_max, v);
    setzeWert(m_wert);
}

void NumericCtrl::setzeMaximum(double v)
{
    m_max = v;
    m_min = std::min(m_min, v);
    setzeWert(m_wert);
}

void NumericCtrl::setzeStellen(int n)
{
    m_stellen = std::clamp(n, 0, 15);
    anzeigen();
}

void NumericCtrl::setzeSchritt(double s)
{
    m_schritt = s;
}

// The control's decimals, more where a small value would hide behind them,
// the exponent form where the fixed one grows too long (TK_ZahlText).
// Leaving the field unedited commits the held value, not the text.
void NumericCtrl::anzeigen()
{
    char text[TK_ZAHL_TEXT_GROESSE];
    TK_ZahlText(m_wert, m_stellen, TK_ZAHL_FELDBREITE, text, sizeof text);
    lineEdit()->setText(QString::fromUtf8(text));
}

// Takes the typed text as the new value, the value the reader understood
// ("2,5k" in a field of hertz: 2500). Text the reader refuses puts the held
// value back on display and is not a commit: nothing typed is ever cut to
// its numeric start.
bool NumericCtrl::textUebernehmen()
{
    m_bearbeitet = false;
    double v;
    if (!m_leser(lineEdit()->text(), &v)) {
        const QString text = lineEdit()->text();
        anzeigen();
        emit abgelehnt(text);
        return false;
    }
    m_text = lineEdit()->text();
    setzeWert(v);
    m_begrenzt = m_wert != v;
    m_getippt = v;
    return true;
}

void NumericCtrl::offenesFestlegen()
{
    if (m_bearbeitet && textUebernehmen())
        emit festgelegt();
}

bool NumericCtrl::begrenzt(double *getippt) const
{
    if (m_begrenzt && getippt)
        *getippt = m_getippt;
    return m_begrenzt;
}

// The window's undo and redo keys belong to the window's history, not to
// the field's own text undo.
bool NumericCtrl::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->matches(QKeySequence::Undo) || k->matches(QKeySequence::Redo)) {
            e->ignore();
            return true;
        }
    }
    return QAbstractSpinBox::event(e);
}

void NumericCtrl::stepBy(int steps)
{
    if (m_bearbeitet)
        textUebernehmen();
    m_begrenzt = false;
    m_text.clear();
    double alt = m_wert;
    setzeWert(m_wert + steps * m_schritt);
    selectAll();
    if (m_wert != alt)
        emit festgelegt();
}

QAbstractSpinBox::StepEnabled NumericCtrl::stepEnabled() const
{
    StepEnabled e = StepNone;
    if (m_wert < m_max)
        e |= StepUpEnabled;
    if (m_wert > m_min)
        e |= StepDownEnabled;
    return e;
}

// Every keystroke stays in the field, so that what is committed is exactly
// what the user sees; a refused key would silently turn "500m" into 500.
QValidator::State NumericCtrl::validate(QString &text, int &) const
{
    double v;
    return m_leser(text, &v) ? QValidator::Acceptable : QValidator::Intermediate;
}

void NumericCtrl::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // Enter on an untouched field commits the held value as it is: the
        // shown text is rounded and must not replace it.
        if (!m_bearbeitet) {
            m_begrenzt = false;
            m_text.clear();
        }
        bool gueltig = !m_bearbeitet || textUebernehmen();
        selectAll();
        e->accept();
        if (gueltig)
            emit festgelegt();
        return;
    }
    if (e->key() == Qt::Key_Escape && m_bearbeitet) {
        m_bearbeitet = false;
        anzeigen();
        e->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(e);
}

// Focus from the keyboard or the program selects the text, so that typing
// replaces the value; a click places the cursor.
void NumericCtrl::focusInEvent(QFocusEvent *e)
{
    QAbstractSpinBox::focusInEvent(e);
    if (e->reason() != Qt::MouseFocusReason && !m_bearbeitet)
        selectAll();
}

// The wheel steps only the field that has the focus; elsewhere it passes on.
void NumericCtrl::wheelEvent(QWheelEvent *e)
{
    if (!hasFocus()) {
        e->ignore();
        return;
    }
    QAbstractSpinBox::wheelEvent(e);
}

void NumericCtrl::focusOutEvent(QFocusEvent *e)
{
    bool commit = m_bearbeitet && textUebernehmen();
    QAbstractSpinBox::focusOutEvent(e);
    anzeigen();
    if (commit)
        emit festgelegt();
}

}  // namespace tk
