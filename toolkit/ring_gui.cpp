#include "ring_gui.h"

#include "toolkit_kern.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

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
    // The label stays the item's text (files and the exporter use it); the
    // spoken form rides along in the accessible role, which the popup
    // list's items are read by as well.
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int von, int bis) { sprechformenSetzen(von, bis); });
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &a, const QModelIndex &b) { sprechformenSetzen(a.row(), b.row()); });
}

QString RingCtrl::sprechform(const QString &label)
{
    static const QRegularExpression zahlUndEinheit(QStringLiteral("^([0-9]+(?:[.,][0-9]+)?)([a-zA-Z]+)$"));
    const QRegularExpressionMatch m = zahlUndEinheit.match(label);
    if (!m.hasMatch())
        return label;
    QString einheit = m.captured(2);
    if (einheit == QLatin1String("us"))
        einheit = QStringLiteral("µs");
    else if (einheit == QLatin1String("std"))
        einheit = QStringLiteral("h");
    return m.captured(1) + QLatin1Char(' ') + einheit;
}

QString RingCtrl::sprechtext(int i) const
{
    const QString s = itemData(i, Qt::AccessibleTextRole).toString();
    return s.isEmpty() ? itemText(i) : s;
}

void RingCtrl::sprechformenSetzen(int von, int bis)
{
    for (int i = std::max(von, 0); i <= bis && i < count(); ++i) {
        const QString s = sprechform(itemText(i));
        if (itemData(i, Qt::AccessibleTextRole).toString() != s)  // setting it changes the data again
            setItemData(i, s, Qt::AccessibleTextRole);
    }
}

void RingCtrl::offenesFestlegen()
{
    if (!m_offen)
        return;
    m_offen = false;
    emit festgelegt();
}

// Typed text picks the item a person means (the core decides which),
// whatever item was shown: "5" is 5ms, not 50ms after 10ms. Keys typed in
// quick succession add up, as in any list.
bool RingCtrl::tippWahl(const QKeyEvent *e)
{
    const QString t = e->text();
    if (t.isEmpty() || !t[0].isPrint() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if (!m_tippZeit.isValid() || m_tippZeit.elapsed() > QApplication::keyboardInputInterval())
        m_getippt.clear();
    if (t == QLatin1String(" ") && m_getippt.isEmpty())
        return false;  // a blank alone opens the list
    m_tippZeit.start();
    std::vector<QByteArray> texte;
    std::vector<const char *> labels;
    for (int i = 0; i < count(); ++i)
        texte.push_back(itemText(i).toUtf8());
    for (const QByteArray &b : texte)
        labels.push_back(b.constData());
    int i = TK_RingTreffer(labels.data(), count(), (m_getippt + t).toUtf8().constData());
    m_getippt += t;
    if (i < 0) {  // a new start
        m_getippt = t;
        i = TK_RingTreffer(labels.data(), count(), t.toUtf8().constData());
    }
    if (i >= 0 && i != currentIndex() && model()->flags(model()->index(i, 0)).testFlag(Qt::ItemIsEnabled)) {
        setCurrentIndex(i);
        m_offen = hasFocus();
        if (!m_offen)
            emit festgelegt();
    }
    return true;
}

void RingCtrl::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        m_offen = false;
        m_getippt.clear();  // what comes next is a new choice
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
    if (tippWahl(e)) {
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
    m_getippt.clear();
    if (e->reason() != Qt::PopupFocusReason)
        offenesFestlegen();
}

}  // namespace tk
