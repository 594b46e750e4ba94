/* The header of the export file: the five comment lines and the empty line
   below them, one table for the writer and the reader. */
#ifndef SINUS_KOPF_H
#define SINUS_KOPF_H

/** Number of header lines, the empty line that closes the header included (6). */
int Sinus_KopfzeilenAnzahl(void);

/**
 * Header line @p iIndex (0 for the first) without its line end, exactly as
 * the export writes it; nullptr outside 0 .. Sinus_KopfzeilenAnzahl() - 1.
 */
const char *Sinus_Kopfzeile(int iIndex);

#endif
