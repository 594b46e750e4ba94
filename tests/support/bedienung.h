// Plays the user's keyboard on the whole window through Qt Test: keys go
// to the widget that has the focus, and shortcuts and mnemonics are
// resolved as for a real keyboard.
#ifndef TEST_BEDIENUNG_H
#define TEST_BEDIENUNG_H

/**
 * Presses the keys of @p folge one after another, separated by blanks,
 * each in QKeySequence's form ("Alt+R", "Ctrl+Shift+Z", "Return", "Tab").
 * The panel is shown and made the active window first.
 */
int TK_Tasten(int panel, const char *folge);
/** Types @p text into the widget that has the focus, character by character. */
int TK_TextTippen(int panel, const char *text);

#endif
