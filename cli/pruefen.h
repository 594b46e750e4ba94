/* wlr7sinus-export --check: reads curve files and says what is wrong with them. */
#ifndef CLI_PRUEFEN_H
#define CLI_PRUEFEN_H

/**
 * Checks the files @p pszDateien[0 .. iAnzahl - 1] ("-": standard input).
 * Each finding goes to standard output as "FILE:LINE: text", then one
 * summary line "FILE: ..." per file; a file that cannot be read is named on
 * standard error. Returns the exit code: 0 when no file has a finding, 1
 * when one has, 2 when a file could not be read, no file was given or
 * standard output could not be written.
 */
int Pruefen_Ausfuehren(int iAnzahl, char *const pszDateien[]);

/**
 * Checks the files @p pszDateien[0 .. iAnzahl - 1] as the set one rig
 * plays together: first each file as Pruefen_Ausfuehren checks it, then
 * the set's findings ("FILE: text": a curve number used twice, another
 * time base, another number of data lines), then its facts, each line
 * beginning "Satz: ": the loop, each curve's frequency and phase against
 * the first file, the count of the set's findings. Returns 0 without any
 * finding, 1 with findings in a file or in the set, 2 for fewer than
 * KURVENSATZ_MIN or more than KURVENSATZ_MAX files, standard input named
 * twice, a file that could not be read (no set facts then) or standard
 * output that could not be written.
 */
int Pruefen_Satz(int iAnzahl, char *const pszDateien[]);

#endif
