// The bilingual message catalogue behind the error library.
#ifndef FEHLER_KATALOG_H
#define FEHLER_KATALOG_H

/// Text of a message key, or the language's default text for a key that the
/// catalogue does not hold.
const char *ZEM_KatalogText(int iSchluessel, bool bEnglisch);

#endif
