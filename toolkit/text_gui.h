// Text control: a line of notes (status, warnings) that wraps only between
// its items, is read by a screen reader as its text and announces each
// change once, however often the program writes it in one go.
#ifndef TOOLKIT_TEXT_GUI_H
#define TOOLKIT_TEXT_GUI_H

#include <QLabel>

namespace tk {

/// @p text with every blank made non-breaking except the one after an item
/// separator " · ", so that a line breaks only between items, never before "·".
QString nurZwischenPunkten(const QString &text);

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

private:
    void ansagen();

    QString m_text;
    QString m_angesagt;       // what a screen reader was last told
    bool m_ansageFaellig = false;
};

}  // namespace tk

#endif
