/* Texts the window shows about the inputs and the curve, formed from the
   records without a panel: the refusal for too many points with its count,
   the note on a value pulled into its range, the note on an export and
   the title line of the report picture. Each copy into szText is bounded. */
#ifndef SINUS_TEXTE_H
#define SINUS_TEXTE_H

#include "Sinuserzeugung_Main.h"

#include <cstddef>

/* SINUS_TEXT_ZU_VIELE_PUNKTE and a line with the product of samples per
   period and periods against the limit ("16360 Punkte, höchstens 16358"). */
void Sinus_ZuVielePunkteText(const Sinuskurve *pSinus, char *szText, size_t iGroesse);
/* "30000 auf 20000 begrenzt (0.02 bis 20000 Hz)"; szEinheit may be "". */
void Sinus_BegrenzungText(double dGetippt, double dWert, double dMin, double dMax, const char *szEinheit,
                          char *szText, size_t iGroesse);
/* Lines of the export file of pSinus: the header, one per sample but the
   first, and the closing empty line. */
int Sinus_ExportZeilen(const Sinuskurve *pSinus);
/* "Exportiert: NAME (N Zeilen)", NAME being the last part of szPfad. */
void Sinus_ExportText(const char *szPfad, const Sinuskurve *pSinus, char *szText, size_t iGroesse);
/* The report picture's title: maximum voltage, amplitude, offset,
   frequency as typed, time base and curve number. */
void Sinus_BerichtTitel(const Eingabewerte *pEingabe, char *szText, size_t iGroesse);

#endif
