#include "tamarindsettings.h"

#include "deviceroot.h"
#include "diskspacecontroller.h"
#include "filesystemsync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

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
    QFile file(mSettingsFilePath);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray content = file.readAll();
        // Files of earlier versions carry no declaration and were written in
        // the device's Latin-1 locale; read as UTF-8, their non-ASCII values
        // would turn into replacement characters.
        const bool latin1 = !content.startsWith("<?xml") && !isUtf8(content);
        if (latin1 ? mDocument.setContent(QString::fromLatin1(content)) : mDocument.setContent(content))
            return;
    }
    // A missing or unreadable file leaves every owner on its defaults; the
    // next store() writes a fresh one.
    mDocument = QDomDocument(DOCUMENT_TYPE);
    mDocument.appendChild(mDocument.createElement(ROOT_ELEMENT));
}

QString TTamarindSettings::value(const QString& pSection, const QString& pKey, const QString& pDefaultValue) const
{
    const QDomElement key = mDocument.documentElement().firstChildElement(pSection).firstChildElement(pKey);
    return key.isNull() ? pDefaultValue : key.text();
}

void TTamarindSettings::setValue(const QString& pSection, const QString& pKey, const QString& pValue)
{
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
    if (writeAndReplace())
        return true;
    TDiskSpaceController::instance().checkDiskspace();
    return false;
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
