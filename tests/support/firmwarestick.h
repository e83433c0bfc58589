#pragma once

#include "fileversion.h"

#include <QByteArray>
#include <QString>

// Lays firmware update files onto the simulated USB stick, as a user copies
// them there: the program bytes followed by the version trailer (tag, then
// major, minor, revision and build as 32-bit big-endian numbers), and beside
// the file its ".chk" in the form a row needs.
class TFirmwareStick
{
public:
    enum EnChecksumForm { cfRawDigest, cfHexText, cfWrongDigest, cfNone };

    // The bytes of an update file.
    static QByteArray updateFile(const QByteArray& pProgram, const QString& pTag, const TFileVersion& pVersion);

    // Writes pFile as pFileName into pDirectory (relative to the stick's top)
    // and the checksum file named after it; the stick need not be plugged in.
    // False when a file could not be written.
    static bool write(const QString& pDirectory, const QString& pFileName, const QByteArray& pFile,
                      EnChecksumForm pChecksum = cfRawDigest);
    // The stick's own path of a file or directory.
    static QString pathOnStick(const QString& pRelativePath);
};
