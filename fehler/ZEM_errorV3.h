/* Error library: turns an error code -(N * 1000 + L) into its German or
   English message and shows it in a popup titled with the error number. */
#ifndef ZEM_ERRORV3_H
#define ZEM_ERRORV3_H

#include <cstddef>

enum {
    ZEM_SPRACHE_DEUTSCH = 1,
    ZEM_SPRACHE_ENGLISCH = 2,
    ZEM_MELDUNG_GROESSE = 500,    /* message area, NUL included */
    ZEM_USERSTRING_GROESSE = 300  /* user string area, NUL included */
};

/* The message of a code, in the message area; valid until the next lookup. */
char *ZEM_Fehlermeldung(int iFehlercode);
/* The popup title of a code into szTitel of iGroesse bytes: "<prefix>
   #<number>", the prefix "Fehler" (English "Error") when szTitelPrefix is
   null, cut so that the number always shows whole. 0 for the codes that
   show no popup (-6000 to -6999), else 1. */
int ZEM_Fehlertitel(int iFehlercode, const char *szTitelPrefix, char *szTitel, size_t iGroesse);
/* Popup "Fehler #<number>" (English: "Error #<number>") with the message;
   the window's side (popup_gui.cpp). */
void ZEM_Fehlerpopup(int iFehlercode);
/* Popup titled "<prefix> #<number>" with the message. */
void ZEM_Fehlerpopup2(int iFehlercode, const char *szTitelPrefix);
/* 2 selects English, every other value German. */
void ZEM_Fehlersprache(int iSprache);
/* A text appended once to the next message; the empty text cancels it. */
void ZEM_Fehleruserstring(const char *szText);
/* The message of a code with the caller's reason below it (szGrund null or
   empty: the message alone), written into szZiel of iGroesse bytes, cut at
   a character so that it fits; returns szZiel ("" for no area). Takes
   nothing from a pending user string and leaves it pending. */
char *ZEM_FehlermeldungGrund(int iFehlercode, const char *szGrund, char *szZiel, size_t iGroesse);
/* As ZEM_Fehlerpopup, the caller's reason below the message (the window's
   side). */
void ZEM_FehlerpopupGrund(int iFehlercode, const char *szGrund);

#endif
