// Text control: a line of notes (status, warnings) that wraps only between
// its items, is read by a screen reader as its text and announces each
// change once, however often the program writes it in one go.
#ifndef TOOLKIT_TEXT_GUI_H
#define TOOLKIT_TEXT_GUI_H

#include <QFontMetricsF>
#include <QLabel>
#include <QScrollArea>

namespace tk {

/// @p text with every blank made non-breaking except the one after an item
/// separator " · ", so that a line breaks only between items, never before "·".
QString nurZwischenPunkten(const QString &text);
/// @p text laid out for lines @p breite wide in @p masse: each line as many
/// whole items as fit, ending in "·" where the next item goes on; an item
/// wider than a line alone may break between its words. Lines of @p text
/// stay lines; @p breite 0 or less: no line is too narrow.
QString zwischenPunktenUmbrechen(const QString &text, const QFontMetricsF &masse, qreal breite);

class TextCtrl : public QLabel {
    Q_OBJECT

public:
    explicit TextCtrl(QWidget *parent = nullptr);

    /// Shows @p text; a screen reader hears it once the program is done.
    void setzeText(const QString &text);
    /// The text as set, with its ordinary blanks.
    const QString &anzeige() const { return m_text; }

signals:
    /// A screen reader was told of the new text.
    void angesagt();

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void ansagen();
    void umbrechen();

    QString m_text;
    QString m_angesagt;       // what a screen reader was last told
    bool m_ansageFaellig = false;
};

/// The area of the text lines under the graph: as tall as its lines need,
/// before the widgets beside it in its column shrink to their minimum
/// heights; only beyond that does it scroll. Its first line (the warnings)
/// is thus always in view. Never takes the keyboard focus.
class Textbereich : public QScrollArea {
    Q_OBJECT

public:
    explicit Textbereich(QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    /// The height its lines need at its present width.
    int inhaltHoehe() const;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void balkenWaehlen();
    int m_breite = -1;
    int m_tiefe = 0;  // resizes of the lines handled inside one another
    static constexpr int TIEFE_MAX = 16;
};

}  // namespace tk

#endif
