/**
 * @file pruefsumme.h
 * @brief SHA-256 (FIPS 180-4) of bytes in memory, for a series' manifest:
 *        the checksum that `sha256sum` gives for the same file.
 */
#ifndef CLI_PRUEFSUMME_H
#define CLI_PRUEFSUMME_H

#include <cstddef>
#include <cstdint>

/** Hex digits of a SHA-256 and their NUL. */
const std::size_t PRUEFSUMME_HEX_GROESSE = 65;

/** A SHA-256 under way: fed part by part, finished once. */
struct Pruefsumme {
    uint32_t piZustand[8];
    uint64_t iBytes;           ///< bytes fed so far
    unsigned char pBlock[64];  ///< the bytes of the block not yet full
};

/** Starts a checksum. */
void Pruefsumme_Beginnen(Pruefsumme *p);
/** Feeds @p iAnzahl bytes at @p pDaten. */
void Pruefsumme_Weiter(Pruefsumme *p, const void *pDaten, std::size_t iAnzahl);
/** Finishes the checksum into @p szHex: 64 lower-case hex digits and a NUL. */
void Pruefsumme_Ende(Pruefsumme *p, char szHex[PRUEFSUMME_HEX_GROESSE]);
/** The SHA-256 of @p iAnzahl bytes at @p pDaten in one call. */
void Pruefsumme_Sha256(const void *pDaten, std::size_t iAnzahl, char szHex[PRUEFSUMME_HEX_GROESSE]);

#endif
