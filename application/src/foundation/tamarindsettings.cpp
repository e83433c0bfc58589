#include "tamarindsettings.h"

#include "boundedxmlreader.h"
#include "deviceroot.h"
#include "diskspacecontroller.h"
#include "filesystemsync.h"
#include "messagedialog.h"
#include "warninggate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const QString DOCUMENT_TYPE = QStringLiteral("ZTM8800_settings");
const QString ROOT_ELEMENT = QStringLiteral("settings");
const QString XML_DECLARATION = QStringLiteral("xml");
const QString UTF8_DECLARATION = QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"");
constexpr int INDENT = 2;

bool isUtf8(const QByteArray& pBytes)
{
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(pBytes.constData(), pBytes.size(), &state);
    return state.invalidChars == 0;
}

// True when the document, written as store() writes it, reads back.
bool readsBack(const QDomDocument& pDocument)
{
    return QDomDocument().setContent(pDocument.toString(INDENT).toUtf8());
}
} // namespace

TTamarindSettings& TTamarindSettings::instance()
{
    static TTamarindSettings settings(QString::fromLatin1(SETTINGS_FILE_PATH));
    return settings;
}

TTamarindSettings::TTamarindSettings(const QString& pSettingsFilePath)
    : mDocument(DOCUMENT_TYPE), mSettingsFilePath(TDeviceRoot::path(pSettingsFilePath))
{
    load();
}

void TTamarindSettings::reload()
{
    load();
}

void TTamarindSettings::load()
{
    QDir().mkpath(QFileInfo(mSettingsFilePath).absolutePath());
    mUnreadableFile = false;
    QByteArray content;
    const EnFileState state = readSettingsFile(content);
    if (state == EnFileState::Read) {
        // Files of earlier versions carry no declaration and were written in
        // the device's Latin-1 locale; read as UTF-8, their non-ASCII values
        // would turn into replacement characters.
        const bool latin1 = !content.startsWith("<?xml") && !isUtf8(content);
        if (latin1 ? TBoundedXmlReader::setContent(mDocument, QString::fromLatin1(content))
                   : TBoundedXmlReader::setContent(mDocument, content))
            return;
    }
    // Every owner falls back to its defaults; the next store() writes a fresh
    // file, after keeping one that held settings which could not be read.
    mUnreadableFile = state != EnFileState::Missing;
    mDocument = QDomDocument(DOCUMENT_TYPE);
    mDocument.appendChild(mDocument.createElement(ROOT_ELEMENT));
}

TTamarindSettings::EnFileState TTamarindSettings::readSettingsFile(QByteArray& oContent) const
{
    // Opened without waiting and looked at before reading: a FIFO at the path
    // would block the start for good, a device or a huge file would be read
    // until memory runs out.
    const int descriptor =
        ::open(QFile::encodeName(mSettingsFilePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return errno == ENOENT ? EnFileState::Missing : EnFileState::Unreadable;
    QFile file;
    struct stat status = {};
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return EnFileState::Unreadable;
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > MAXIMUM_FILE_SIZE)
        return EnFileState::Unreadable;
    // The file may have grown since it was looked at.
    oContent = file.read(MAXIMUM_FILE_SIZE + 1);
    return oContent.size() <= MAXIMUM_FILE_SIZE ? EnFileState::Read : EnFileState::Unreadable;
}

QString TTamarindSettings::value(const QString& pSection, const QString& pKey, const QString& pDefaultValue) const
{
    const QDomElement key = mDocument.documentElement().firstChildElement(pSection).firstChildElement(pKey);
    return key.isNull() ? pDefaultValue : key.text();
}

bool TTamarindSettings::setValue(const QString& pSection, const QString& pKey, const QString& pValue)
{
    // Tried on a document of its own first: one bad name or character left in
    // the settings would make every later store fail.
    if (pSection.isEmpty() || pKey.isEmpty())
        return false;
    QDomDocument trial;
    QDomElement trialKey =
        trial.appendChild(trial.createElement(pSection)).appendChild(trial.createElement(pKey)).toElement();
    trialKey.appendChild(trial.createTextNode(pValue));
    if (!readsBack(trial))
        return false;

    const QDomText text = mDocument.createTextNode(pValue);
    QDomElement root = mDocument.documentElement();
    QDomElement section = root.firstChildElement(pSection);
    if (section.isNull())
        section = root.appendChild(mDocument.createElement(pSection)).toElement();
    QDomElement replacement = mDocument.createElement(pKey);
    replacement.appendChild(text);
    const QDomElement key = section.firstChildElement(pKey);
    if (key.isNull())
        section.appendChild(replacement);
    else
        section.replaceChild(replacement, key);
    return true;
}

bool TTamarindSettings::containsSetting(const QString& pSection, const QString& pKey) const
{
    return !mDocument.documentElement().firstChildElement(pSection).firstChildElement(pKey).isNull();
}

void TTamarindSettings::removeSection(const QString& pSection)
{
    QDomElement root = mDocument.documentElement();
    const QDomElement section = root.firstChildElement(pSection);
    if (!section.isNull())
        root.removeChild(section);
}

QByteArray TTamarindSettings::serializedDocument()
{
    // The file says it is UTF-8, whatever declaration a loaded file had, so
    // that non-ASCII values read back as they were set.
    const QDomNode first = mDocument.firstChild();
    const QDomProcessingInstruction declaration =
        mDocument.createProcessingInstruction(XML_DECLARATION, UTF8_DECLARATION);
    if (first.isProcessingInstruction() && first.nodeName() == XML_DECLARATION)
        mDocument.replaceChild(declaration, first);
    else
        mDocument.insertBefore(declaration, first);
    return mDocument.toString(INDENT).toUtf8();
}

bool TTamarindSettings::store()
{
    if (keepUnreadableFile() && writeAndReplace()) {
        mFailedStoreReported = false;
        mFailedStoreHeld = false;
        return true;
    }
    reportFailedStore();
    return false;
}

// A file that could not be read may still hold the user's settings and the
// service digests; it is kept for service rather than overwritten unseen.
bool TTamarindSettings::keepUnreadableFile()
{
    if (!mUnreadableFile)
        return true;
    const QString keptFile = mSettingsFilePath + QLatin1String(DAMAGED_FILE_SUFFIX);
    if (std::rename(QFile::encodeName(mSettingsFilePath).constData(), QFile::encodeName(keptFile).constData()) != 0 &&
        errno != ENOENT)
        return false;
    mUnreadableFile = false;
    tellUser(tr("The settings file could not be read; the instrument uses its factory settings. "
                "The damaged file was kept as %1.")
                 .arg(QFileInfo(keptFile).fileName()));
    return true;
}

// Each change the user makes is stored at once, a brightness drag many times
// a second: one message per run of failures is enough.
void TTamarindSettings::reportFailedStore()
{
    // Told when the messages are let through, by the disk check as well.
    if (mMessagesHeld) {
        mFailedStoreHeld = true;
        return;
    }
    // A full disk is the disk check's to tell.
    if (!TDiskSpaceController::instance().checkDiskspace() || mFailedStoreReported)
        return;
    mFailedStoreReported = true;
    tellUser(tr("The settings could not be saved."));
}

void TTamarindSettings::holdMessages()
{
    mMessagesHeld = true;
}

void TTamarindSettings::showHeldMessages()
{
    mMessagesHeld = false;
    const QStringList held = mHeldMessages;
    mHeldMessages.clear();
    for (const QString& text : held)
        tellUser(text);
    if (mFailedStoreHeld) {
        mFailedStoreHeld = false;
        reportFailedStore();
    }
}

void TTamarindSettings::tellUser(const QString& pText)
{
    if (mMessagesHeld) {
        mHeldMessages << pText;
        return;
    }
    // A store made by a remote command tells once that command is over.
    TWarningGate::instance().showWhenFree(
        nullptr, [pText]() { TWarningGate::instance().showMessage(pText, TMessageDialog::dtWarning); });
}

bool TTamarindSettings::writeAndReplace()
{
    // The instrument is switched off without warning: the new content goes to
    // a file beside the old one and replaces it only once it is complete on
    // the medium, so a power cut leaves either the old or the new settings.
    const QByteArray content = serializedDocument();
    // A name that is no XML name would make the whole file unreadable at the
    // next start, and every setting with it; the old file is kept instead.
    if (!QDomDocument().setContent(content))
        return false;
    // Recreated when something removed the directory since the start.
    QDir().mkpath(QFileInfo(mSettingsFilePath).absolutePath());
    const QString writtenFile = TFileSystemSync::writeBeside(mSettingsFilePath, content);
    if (writtenFile.isEmpty())
        return false;
    if (!replaceSettingsFile(writtenFile)) {
        QFile::remove(writtenFile);
        return false;
    }
    return true;
}

bool TTamarindSettings::replaceSettingsFile(const QString& pWrittenFile)
{
    return TFileSystemSync::replaceWith(pWrittenFile, mSettingsFilePath);
}
