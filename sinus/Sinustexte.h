/**
 * @file Sinustexte.h
 * @brief The German texts the sine curve shows: messages, the status line's
 *        words and the titles of its dialogs, gathered so that a wording is
 *        changed in one place.
 */
#ifndef SINUSTEXTE_H
#define SINUSTEXTE_H

/** Between a number and its unit, so that a line never breaks there. */
#define SINUS_NBSP "\xc2\xa0"

/** Shown when an input set has too many points. */
extern const char *const SINUS_TEXT_ZU_VIELE_PUNKTE;
/** Title of the too-many-points message. */
extern const char *const SINUS_TEXT_FEHLER;
/** Title and text of the warning for a time-base label missing from the table. */
extern const char *const SINUS_TEXT_WARNUNG;
extern const char *const SINUS_TEXT_ZEITBASIS_FEHLT;
/** The range of a numeric input that takes any finite number. */
extern const char *const SINUS_TEXT_OHNE_GRENZEN;
/** The status line when there is no curve. */
extern const char *const SINUS_TEXT_KEINE_KURVE;
/** Title of the export's file dialog. */
extern const char *const SINUS_TEXT_EXPORT_TITEL;
/** Title of the dialog and messages that open a curve file as a reference. */
extern const char *const SINUS_TEXT_REFERENZ_TITEL;
/** First line of the message when a curve file cannot be read. */
extern const char *const SINUS_TEXT_REFERENZ_UNLESBAR;
/** The status line's word for a reference that is what the inputs export. */
extern const char *const SINUS_TEXT_REFERENZ_GLEICH;
/** Reason given when a data line does not fit its area. */
extern const char *const SINUS_TEXT_ZEILE_ZU_LANG;
/** Reason given when the chosen path does not fit. */
extern const char *const SINUS_TEXT_PFAD_ZU_LANG;

#endif
