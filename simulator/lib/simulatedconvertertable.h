#pragma once

#include <QString>

// The table of simulated USB-serial converters that the converter stand-in
// library reads, under the device root: one line per converter with vendor,
// product, the path of its line and options ("echo", "open-fails").
class TSimulatedConverterTable
{
public:
    static constexpr int FTDI_VENDOR = 0x0403;
    // The first of the ids the library finds for vendor 0 and product 0.
    static constexpr int DEFAULT_PRODUCT = 0x6001;

    static QString tablePath();
    // Replaces an entry for the same line.
    // False, with the system's reason in oError when one is given, when the table cannot be written.
    static bool addConverter(int pVendor, int pProduct, const QString& pLinePath, const QString& pOptions = QString(),
                             QString* oError = nullptr);
    static void removeConverter(const QString& pLinePath);
    static void clear();
};
