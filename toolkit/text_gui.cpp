#include "text_gui.h"

#include <QAccessible>
#include <QFontMetricsF>

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
    if (m_text == m_angesagt)
        return;
    m_angesagt = m_text;
    QAccessibleEvent e(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
    emit angesagt();
}

}  // namespace tk
