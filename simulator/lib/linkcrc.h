#pragma once

#include <QByteArray>

// The board's side of the link's check byte, written from the link's
// description rather than taken from the program, so that a test between the
// two checks both readings of it: CRC-8 with the polynomial
// x^8 + x^7 + x^3 + x^2 + 1, starting from 0, bits taken most significant
// first, no final inversion.
class TLinkCrc
{
public:
    static constexpr quint8 POLYNOMIAL = 0x8D;

    static quint8 of(const QByteArray& pBytes);
    // Text, check byte and CR LF, as every frame on the line.
    static QByteArray frame(const QByteArray& pText);
    // A frame body (everything before CR LF) whose last byte is the check byte of the rest.
    static bool isIntact(const QByteArray& pBody);
};
