// The German texts of the toolkit's core that more than one file shows.
#ifndef TOOLKIT_TEXTE_H
#define TOOLKIT_TEXTE_H

/** Added to a reason after a file written in place was put back, or could not be. */
extern const char *const TK_TEXT_WIEDERHERGESTELLT;
extern const char *const TK_TEXT_NICHT_WIEDERHERGESTELLT;
/** The reason given for a socket as export target. */
extern const char *const TK_TEXT_SOCKET;
/** The reason given for a descriptor path whose descriptor is not open. */
extern const char *const TK_TEXT_NICHT_OFFEN;
/** The reason a write in place is refused before its first byte. */
extern const char *const TK_TEXT_NICHT_RUECKBAR;
/**
 * Added after a failed append to a shared file that could not be taken
 * back: printf format of the bytes left, where they start and why (one of
 * the two texts below).
 */
extern const char *const TK_TEXT_STEHEN_GEBLIEBEN;
extern const char *const TK_TEXT_ANDERER_SCHRIEB;
extern const char *const TK_TEXT_NICHT_GESPERRT;

#endif
