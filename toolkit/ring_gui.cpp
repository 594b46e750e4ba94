#include "ring_gui.h"

#include <QKeyEvent>

namespace tk {

RingCtrl::RingCtrl(QWidget *parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    // QComboBox reports keys, the wheel and a choice in its list alike as
    // "activated"; only the keys wait for the user to settle.
    connect(this, &QComboBox::activated, this, [this] {
        if (m_taste && hasFocus()) {
            m_offen = true;
            return;
        }
        m_offen = false;
        emit festgelegt();
    });
}

void RingCtrl::offenesFestlegen()
{
    if (!m_offen)
        return;
    m_offen = false;
    emit festgelegt();
}

// Digits pick the item whose last word they are ("3" is "Kurve 3"), where
// no item begins with them as typed text would find it.
bool RingCtrl::ziffernWahl(const QString &text)
{
    if (text.size() != 1 || !text[0].isDigit())
        return false;
    for (int i = 0; i < count(); ++i)
        if (itemText(i).startsWith(text))
            return false;
    for (int i = 0; i < count(); ++i)
        if (itemText(i).section(QLatin1Char(' '), -1) == text) {
            if (i != currentIndex()) {
                setCurrentIndex(i);
                m_offen = hasFocus();
                if (!m_offen)
                    emit festgelegt();
            }
            return true;
        }
    return false;
}

void RingCtrl::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        m_offen = false;
        e->accept();
        emit festgelegt();
        return;
    }
    if (e->key() == Qt::Key_Escape && m_offen) {
        m_offen = false;
        setCurrentIndex(m_festIndex);
        e->accept();
        return;
    }
    if (!m_offen)
        m_festIndex = currentIndex();
    if (ziffernWahl(e->text())) {
        e->accept();
        return;
    }
    // A key that reaches a ring without the focus (sent by a program) has
    // no focus change to wait for and commits at once.
    m_taste = true;
    QComboBox::keyPressEvent(e);
    m_taste = false;
}

// Leaving the ring commits what the keys chose; opening its own list is no
// leaving.
void RingCtrl::focusOutEvent(QFocusEvent *e)
{
    QComboBox::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason)
        offenesFestlegen();
}

}  // namespace tk
