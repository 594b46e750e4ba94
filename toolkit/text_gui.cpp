#include "text_gui.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QScrollBar>

#include <algorithm>

namespace tk {

namespace {

const QChar FESTES_LEERZEICHEN(0x00a0);
const QString TRENNER = QStringLiteral(" \u00b7 ");
const QString TRENNER_FEST = QString(FESTES_LEERZEICHEN) + QStringLiteral("\u00b7 ");  // never a break before the dot

}  // namespace

QString nurZwischenPunkten(const QString &text)
{
    QStringList teile = text.split(TRENNER);
    for (QString &t : teile)
        t.replace(QLatin1Char(' '), FESTES_LEERZEICHEN);
    return teile.join(QString(FESTES_LEERZEICHEN) + QStringLiteral("\u00b7 "));
}

QString zwischenPunktenUmbrechen(const QString &text, const QFontMetricsF &masse, qreal breite)
{
    auto passt = [&](const QString &zeile) {
        return breite <= 0.0 || masse.horizontalAdvance(nurZwischenPunkten(zeile)) <= breite;
    };
    // An item too wide for a line of its own keeps its blanks, so that it
    // wraps between its words rather than running out of sight.
    auto fertig = [&](const QString &zeile) {
        return passt(zeile) ? nurZwischenPunkten(zeile) : QString(zeile).replace(TRENNER, TRENNER_FEST);
    };
    QStringList zeilen;
    for (const QString &absatz : text.split(QLatin1Char('\n'))) {
        const QStringList teile = absatz.split(TRENNER);
        const QString punkt = QString(FESTES_LEERZEICHEN) + QChar(0x00b7);  // ends a line the next item follows
        QString zeile;
        for (int i = 0; i < teile.size(); ++i) {
            const QString mit = zeile.isEmpty() ? teile[i] : zeile + TRENNER + teile[i];
            if (zeile.isEmpty() || passt(i + 1 < teile.size() ? mit + punkt : mit)) {
                zeile = mit;
                continue;
            }
            zeilen << fertig(zeile) + punkt;
            zeile = teile[i];
        }
        zeilen << fertig(zeile);
    }
    return zeilen.join(QLatin1Char('\n'));
}

TextCtrl::TextCtrl(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void TextCtrl::setzeText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    umbrechen();
    // One announcement for all writes of one commit: the status line is
    // written, then a note added to it.
    if (m_ansageFaellig)
        return;
    m_ansageFaellig = true;
    QMetaObject::invokeMethod(this, &TextCtrl::ansagen, Qt::QueuedConnection);
}

void TextCtrl::umbrechen()
{
    const QString neu = zwischenPunktenUmbrechen(m_text, QFontMetricsF(font()), contentsRect().width());
    if (neu != text())
        setText(neu);
}

void TextCtrl::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    umbrechen();
}

void TextCtrl::ansagen()
{
    m_ansageFaellig = false;
    // A line that went empty has nothing to say: its bare name is no news.
    if (m_text == m_angesagt || m_text.isEmpty()) {
        m_angesagt = m_text;
        return;
    }
    m_angesagt = m_text;
    QAccessibleEvent e(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
    emit angesagt();
}

Textbereich::Textbereich(QWidget *parent) : QScrollArea(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

int Textbereich::inhaltHoehe() const
{
    QWidget *w = widget();
    if (!w)
        return 0;
    const int breite = std::max(1, width() - 2 * frameWidth());
    return (w->hasHeightForWidth() ? w->heightForWidth(breite) : w->sizeHint().height()) + 2 * frameWidth();
}

QSize Textbereich::sizeHint() const
{
    return {QScrollArea::sizeHint().width(), inhaltHoehe()};
}

QSize Textbereich::minimumSizeHint() const
{
    return {QScrollArea::minimumSizeHint().width(), inhaltHoehe()};
}

bool Textbereich::eventFilter(QObject *o, QEvent *e)
{
    // New lines or lines that went: the column lays out again.
    if (o == widget() && e->type() == QEvent::LayoutRequest) {
        updateGeometry();
        balkenWaehlen();
    }
    // The area answers each resize of its lines by sizing them for its
    // viewport, which resizes them again. Where the lines' height for one
    // width and the viewport left beside a bar disagree, the sizes swing
    // between two answers without end, all inside one event: a window that
    // never answers again. Past a depth no sizing converges at, the bar
    // stays (the lines can be scrolled whatever their height) and the area
    // sizes them once more when the event loop is back.
    if (o == widget() && e->type() == QEvent::Resize) {
        if (m_tiefe >= TIEFE_MAX) {
            if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOn)
                setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
            return false;
        }
        ++m_tiefe;
        const bool bFertig = QScrollArea::eventFilter(o, e);
        --m_tiefe;
        return bFertig;
    }
    return QScrollArea::eventFilter(o, e);
}

void Textbereich::resizeEvent(QResizeEvent *e)
{
    balkenWaehlen();
    QScrollArea::resizeEvent(e);
    if (width() != m_breite) {
        m_breite = width();
        updateGeometry();  // lines wrap anew for the width
    }
}

// The scroll bar is there when the lines do not fit beside it, decided from
// the area's size and lines alone. Left to itself, a bar that narrows the
// lines until they need it, and goes once they do not, would come and go
// without end: a window that never answers again.
void Textbereich::balkenWaehlen()
{
    QWidget *w = widget();
    if (!w)
        return;
    const int innen = std::max(1, width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width());
    const int noetig = w->hasHeightForWidth() ? w->heightForWidth(innen) : w->sizeHint().height();
    const Qt::ScrollBarPolicy p = noetig > height() - 2 * frameWidth() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (verticalScrollBarPolicy() != p)
        setVerticalScrollBarPolicy(p);
}

}  // namespace tk
