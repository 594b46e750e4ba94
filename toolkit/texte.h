// The German texts of the toolkit's core that more than one file shows.
#ifndef TOOLKIT_TEXTE_H
#define TOOLKIT_TEXTE_H

/** Added to a reason after a file written in place was put back, or could not be. */
extern const char *const TK_TEXT_WIEDERHERGESTELLT;
extern const char *const TK_TEXT_NICHT_WIEDERHERGESTELLT;
/** The reason given for a socket as export target. */
extern const char *const TK_TEXT_SOCKET;

#endif
