/* Set-up and tear-down steps of the program. */
#ifndef FUNKTIONEN_H
#define FUNKTIONEN_H

int Func_PanelsInitialisieren(void);
int Func_IniDateiLaden(void);
int Func_IniDateiSchreiben(void);
int Func_PanelsFreigeben(void);

#endif
