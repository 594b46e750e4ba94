// Ring control: a combo box that commits what the user settles on. Arrow
// keys and typed text only move the selection; the commit comes with Enter,
// when the ring loses the focus, or when its list closes with a choice, so
// an item passed on the way is never committed. Escape takes a move back.
// Typed text selects the item it means.
#ifndef TOOLKIT_RING_GUI_H
#define TOOLKIT_RING_GUI_H

#include <QComboBox>
#include <QElapsedTimer>

namespace tk {

class RingCtrl : public QComboBox {
    Q_OBJECT

public:
    explicit RingCtrl(QWidget *parent = nullptr);

    /// Commits a selection moved by the keyboard and not yet committed.
    void offenesFestlegen();
    bool offen() const { return m_offen; }

signals:
    /// The user committed the selected item.
    void festgelegt();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    bool tippWahl(const QKeyEvent *e);

    bool m_taste = false;  // a key press is being handled
    bool m_offen = false;  // moved by the keyboard, not yet committed
    int m_festIndex = -1;  // the item before the keys moved it
    QString m_getippt;     // the text typed so far
    QElapsedTimer m_tippZeit;
};

}  // namespace tk

#endif
