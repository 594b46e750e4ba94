// Ring control: a combo box that commits what the user settles on. Arrow
// keys and typed text only move the selection; the commit comes with Enter,
// when the ring loses the focus, or when its list closes with a choice, so
// an item passed on the way is never committed. Escape takes a move back.
// Typed text selects the item it means. Each item carries the form a
// screen reader speaks ("50 µs" for the label "50us") beside its label.
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
    /// What a screen reader says for item @p i: its spoken form, else its label.
    QString sprechtext(int i) const;

    /// The spoken form of a ring label: number and unit apart, "us" as
    /// "µs", "std" as "h" ("50us" → "50 µs"); other labels as they stand.
    static QString sprechform(const QString &label);

signals:
    /// The user committed the selected item.
    void festgelegt();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    bool tippWahl(const QKeyEvent *e);
    void sprechformenSetzen(int von, int bis);

    bool m_taste = false;  // a key press is being handled
    bool m_offen = false;  // moved by the keyboard, not yet committed
    int m_festIndex = -1;  // the item before the keys moved it
    QString m_getippt;     // the text typed so far
    QElapsedTimer m_tippZeit;
};

}  // namespace tk

#endif
