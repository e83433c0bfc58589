#pragma once

#include <QFile>
#include <QMap>
#include <QString>

// A systemd-networkd network file read into sections of keys and written back
// whole. Only what the instrument changes survives a store: sections and keys
// come back sorted, without comments, blank lines or repeated keys.
class TSystemDNetworkFile
{
public:
    // Reads the file at the device path now; a missing or unreadable file reads as empty.
    explicit TSystemDNetworkFile(const QString& pFileName);
    virtual ~TSystemDNetworkFile();

    // Whether the file is there at the time of the call.
    bool exists() const;
    // Empty when the section or the key is absent.
    QString value(const QString& pSection, const QString& pKey) const;
    void setValue(const QString& pSection, const QString& pKey, const QString& pValue);
    // The section stays, also when it becomes empty.
    void removeKey(const QString& pSection, const QString& pKey);
    // Replaces the file in one step; false when it could not be written, the
    // old file then being intact.
    bool store();

private:
    void parse();

    QFile mFile;
    // QString's ordering compares UTF-16 code units, so upper case sorts first.
    QMap<QString, QMap<QString, QString>> mContent;
};
