#pragma once

#include <QDomDocument>
#include <QString>

// All persistent user settings of the instrument: one XML file of sections
// holding keys, each key's text its value. Owners read with their own
// default, set what changed and call store() at once.
class TTamarindSettings
{
public:
    static constexpr const char* SETTINGS_FILE_PATH = "/home/Settings/ZELK/settings.xml";

    // The program's store on the settings file; loads it on the first call.
    static TTamarindSettings& instance();

    // A store on the given device path, loaded now. The program uses
    // instance(); a separate store reads a file as the next start would.
    explicit TTamarindSettings(const QString& pSettingsFilePath);
    virtual ~TTamarindSettings() = default;
    TTamarindSettings(const TTamarindSettings&) = delete;
    TTamarindSettings& operator=(const TTamarindSettings&) = delete;

    // The text of the key; the default only when the key is missing. A key
    // with empty text reads as the empty string.
    QString value(const QString& pSection, const QString& pKey, const QString& pDefaultValue = QString()) const;
    // Changes the document only; store() writes it.
    void setValue(const QString& pSection, const QString& pKey, const QString& pValue);
    bool containsSetting(const QString& pSection, const QString& pKey) const;
    // Changes the document only; store() writes it.
    void removeSection(const QString& pSection);

    // Writes the whole document. Returns false when it could not be written
    // completely, after the disk check has told the user of a full disk; the
    // previous file then stays as it was and the document keeps the changes.
    bool store();
    // Reads the file again, dropping what was not stored: after the file was
    // replaced underneath (a restored backup), the next store() must not
    // write the old settings back over it.
    void reload();

protected:
    // Puts the completely written temporary file in place of the settings file.
    virtual bool replaceSettingsFile(const QString& pWrittenFile);

private:
    void load();
    QByteArray serializedDocument();
    bool writeAndReplace();

    QDomDocument mDocument;
    QString mSettingsFilePath;
};
