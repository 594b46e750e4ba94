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

#endif
