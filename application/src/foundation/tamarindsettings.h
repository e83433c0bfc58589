#pragma once

#include <QCoreApplication>
#include <QDomDocument>
#include <QString>
#include <QStringList>

// All persistent user settings of the instrument: one XML file of sections
// holding keys, each key's text its value. Owners read with their own
// default, set what changed and call store() at once.
class TTamarindSettings
{
    Q_DECLARE_TR_FUNCTIONS(TTamarindSettings)

public:
    static constexpr const char* SETTINGS_FILE_PATH = "/home/Settings/ZELK/settings.xml";
    // An unreadable settings file is kept under its name with this ending
    // before the first store replaces it.
    static constexpr const char* DAMAGED_FILE_SUFFIX = ".damaged";
    // The settings of an instrument take a few kilobytes; anything larger is
    // no settings file and is not read.
    static constexpr qint64 MAXIMUM_FILE_SIZE = 1024 * 1024;

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
    // Changes the document only; store() writes it. A section or key that is
    // no XML name, or a value with characters XML cannot hold, is refused
    // (false) and the document stays as it was: written, it would make the
    // file unreadable.
    bool setValue(const QString& pSection, const QString& pKey, const QString& pValue);
    bool containsSetting(const QString& pSection, const QString& pKey) const;
    // Changes the document only; store() writes it.
    void removeSection(const QString& pSection);

    // Writes the whole document. Returns false when it could not be written
    // completely; the previous file then stays as it was and the document
    // keeps the changes. The user hears of a failure: of a full disk from the
    // disk check, of any other failure from the store, once until a store
    // succeeds again. The first store over a file that could not be read
    // keeps that file beside it and tells the user so.
    bool store();
    // Reads the file again, dropping what was not stored: after the file was
    // replaced underneath (a restored backup), the next store() must not
    // write the old settings back over it.
    void reload();

    // From holdMessages() on, what the store has to tell the user waits for
    // showHeldMessages(), which tells it and then lets later messages through
    // at once. At start-up a message opened before the window is up would
    // hold the start (no board polling, no remote port) until it is tapped.
    void holdMessages();
    void showHeldMessages();

protected:
    // Puts the completely written temporary file in place of the settings file.
    virtual bool replaceSettingsFile(const QString& pWrittenFile);

private:
    enum class EnFileState { Missing, Read, Unreadable };

    void load();
    EnFileState readSettingsFile(QByteArray& oContent) const;
    bool keepUnreadableFile();
    QByteArray serializedDocument();
    bool writeAndReplace();
    void reportFailedStore();
    void tellUser(const QString& pText);

    QDomDocument mDocument;
    QString mSettingsFilePath;
    // The file at the path could not be read and has not been kept aside yet.
    bool mUnreadableFile = false;
    bool mFailedStoreReported = false;
    bool mMessagesHeld = false;
    QStringList mHeldMessages;
    // A store failed while messages were held and none has succeeded since.
    bool mFailedStoreHeld = false;
};
