#pragma once

#include "fileversion.h"

#include <QString>

// Reads the version trailer at the end of a program or firmware file: an
// optional Latin-1 tag, then major, minor, revision and build as unsigned
// 32-bit big-endian numbers.
class TFileVersionReader
{
public:
    // 0.0.0.0 when the file cannot be read or is shorter than the trailer.
    // The numbers are read whether or not the tag matched; oFirmwareTagFound
    // tells the caller whether it did (always false for an empty tag).
    static TFileVersion determineFileVersion(const QString& pFile, const QString& pTag, bool& oFirmwareTagFound);

    // The version of the running program's own file.
    static TFileVersion determineFileVersion();
};
