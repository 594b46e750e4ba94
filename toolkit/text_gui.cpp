#include "text_gui.h"

#include <QAccessible>

namespace tk {

namespace {

const QChar FESTES_LEERZEICHEN(0x00a0);
const QString TRENNER = QStringLiteral(" \u00b7 ");

}  // namespace

QString nurZwischenPunkten(const QString &text)
{
    QStringList teile = text.split(TRENNER);
    for (QString &t : teile)
        t.replace(QLatin1Char(' '), FESTES_LEERZEICHEN);
    return teile.join(QString(FESTES_LEERZEICHEN) + QStringLiteral("\u00b7 "));
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
    setText(nurZwischenPunkten(text));
    // One announcement for all writes of one commit: the status line is
    // written, then a note added to it.
    if (m_ansageFaellig)
        return;
    m_ansageFaellig = true;
    QMetaObject::invokeMethod(this, &TextCtrl::ansagen, Qt::QueuedConnection);
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
