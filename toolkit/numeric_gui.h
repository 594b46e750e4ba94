// Numeric control: holds the full double and only shows it rounded to its
// precision (QDoubleSpinBox would round the value itself).
#ifndef TOOLKIT_NUMERIC_H
#define TOOLKIT_NUMERIC_H

#include <QAbstractSpinBox>

#include <functional>

namespace tk {

class NumericCtrl : public QAbstractSpinBox {
    Q_OBJECT
    // Named as QDoubleSpinBox's, so a Designer form sets them directly.
    Q_PROPERTY(double value READ wert WRITE setzeWert)
    Q_PROPERTY(double minimum READ minimum WRITE setzeMinimum)
    Q_PROPERTY(double maximum READ maximum WRITE setzeMaximum)
    Q_PROPERTY(int decimals READ stellen WRITE setzeStellen)
    Q_PROPERTY(double singleStep READ schritt WRITE setzeSchritt)

public:
    explicit NumericCtrl(QWidget *parent = nullptr);

    double wert() const { return m_wert; }
    double minimum() const { return m_min; }
    double maximum() const { return m_max; }
    int stellen() const { return m_stellen; }
    double schritt() const { return m_schritt; }

    /// Stores the value clamped into the range; raises no commit.
    void setzeWert(double v);
    void setzeMinimum(double v);
    void setzeMaximum(double v);
    void setzeStellen(int n);
    void setzeSchritt(double s);

    void stepBy(int steps) override;

    /// Commits typed text that has not been committed yet.
    void offenesFestlegen();
    /// Whether the last commit pulled the typed value into the range; then
    /// @p getippt is what was typed.
    bool begrenzt(double *getippt) const;
    /// The text of the last commit when it was typed; empty after a step or
    /// an Enter on an untouched field.
    const QString &getippterText() const { return m_text; }
    /// How typed text becomes the value to hold (true) or is refused
    /// (false); by default TK_ZahlLesen().
    using Leser = std::function<bool(const QString &text, double *wert)>;
    void setzeLeser(Leser leser) { m_leser = std::move(leser); }

signals:
    /// The user committed a value (Enter, leaving an edited field, a step).
    void festgelegt();
    /// Typed text that is no number was refused; the held value shows again.
    void abgelehnt(const QString &text);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &text, int &pos) const override;
    void fixup(QString &) const override {}
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    bool event(QEvent *e) override;

private:
    bool textUebernehmen();
    void anzeigen();

    double m_wert = 0.0;
    double m_min;
    double m_max;
    double m_schritt = 1.0;
    int m_stellen = 2;
    bool m_bearbeitet = false;
    bool m_begrenzt = false;
    double m_getippt = 0.0;
    QString m_text;
    Leser m_leser;
};

}  // namespace tk

#endif
