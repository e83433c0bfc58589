#include "calibrationfilestore.h"

#include "boundedxmlreader.h"
#include "calibrationroutine.h"
#include "calibrationsetup.h"
#include "deviceroot.h"
#include "diskspacecontroller.h"
#include "filesystemsync.h"
#include "newestfiles.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace
{
const QString XML_SUFFIX = QStringLiteral(".xml");
// Setup name, then the end of the run to the minute.
const QString END_TIME_PATTERN = QStringLiteral("_yyyyMMdd_hhmm");
constexpr int INDENT = 2;

QString baseName(const QString& pFileName)
{
    return pFileName.left(pFileName.size() - XML_SUFFIX.size());
}
} // namespace

TCalibrationFileStore::TCalibrationFileStore(const TChannelController& pChannelController)
    : mStoredSetupsDir(QStringLiteral("/home/CalibrationSetups"))
    , mStoredRoutinesDir(QStringLiteral("/home/CalibrationRoutines"))
    , mCalibrationSetupXMLRootName(QStringLiteral("calibration_setup"))
    , mCalibrationRoutineXMLRootName(QStringLiteral("calibration_routine"))
    , mChannelController(pChannelController)
{
}

bool TCalibrationFileStore::isValidFileName(const QString& pName)
{
    return !pName.isEmpty() && pName != QLatin1String(".") && pName != QLatin1String("..") &&
           !pName.contains(QLatin1Char('/')) && !pName.contains(QChar(0));
}

QString TCalibrationFileStore::setupFilePath(const QString& pName) const
{
    return mStoredSetupsDir + QLatin1Char('/') + pName + XML_SUFFIX;
}

QString TCalibrationFileStore::calFilePath(const QString& pName) const
{
    return mStoredRoutinesDir + QLatin1Char('/') + pName + XML_SUFFIX;
}

QString TCalibrationFileStore::newCalFilePath(const TCalibrationRoutine* pRoutine) const
{
    const QString setupName = pRoutine->setup() ? pRoutine->setup()->name() : QString();
    return calFilePath(setupName + pRoutine->routineEnd().toString(END_TIME_PATTERN));
}

bool TCalibrationFileStore::setupFileExists(const QString& pName) const
{
    return isValidFileName(pName) && QFileInfo::exists(TDeviceRoot::path(setupFilePath(pName)));
}

void TCalibrationFileStore::deleteFile(const QString& pPath) const
{
    QFile file(TDeviceRoot::path(pPath));
    if (!file.exists())
        return;
    file.remove();
    TFileSystemSync::sync(file);
}

void TCalibrationFileStore::deleteSetupFile(const QString& pName) const
{
    if (isValidFileName(pName))
        deleteFile(setupFilePath(pName));
}

void TCalibrationFileStore::deleteCalFile(const QString& pName) const
{
    if (isValidFileName(pName))
        deleteFile(calFilePath(pName));
}

bool TCalibrationFileStore::saveXMLFile(const QDomDocument& pDocument, const QString& pPath) const
{
    if (TFileSystemSync::writeReplacing(TDeviceRoot::path(pPath), pDocument.toByteArray(INDENT)))
        return true;
    TDiskSpaceController::instance().checkDiskspace();
    return false;
}

QDomDocument TCalibrationFileStore::newDocument(const QString& pRootName) const
{
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(QStringLiteral("xml"),
                                                              QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    QDomElement root = document.createElement(pRootName);
    root.setAttribute(QStringLiteral("version"), 1);
    document.appendChild(root);
    return document;
}

bool TCalibrationFileStore::storeSetup(const TCalibrationSetup* pSetup) const
{
    if (!pSetup || !isValidFileName(pSetup->name()))
        return false;
    QDir().mkpath(TDeviceRoot::path(mStoredSetupsDir));
    QDomDocument document = newDocument(mCalibrationSetupXMLRootName);
    QDomElement root = document.documentElement();
    pSetup->saveToXML(root);
    return saveXMLFile(document, setupFilePath(pSetup->name()));
}

bool TCalibrationFileStore::storeRoutine(const TCalibrationRoutine* pRoutine) const
{
    if (!pRoutine || !pRoutine->setup() || !isValidFileName(pRoutine->setup()->name()))
        return false;
    QDir().mkpath(TDeviceRoot::path(mStoredRoutinesDir));
    QDomDocument document = newDocument(mCalibrationRoutineXMLRootName);
    QDomElement root = document.documentElement();
    pRoutine->saveToXML(root, mChannelController);
    // An earlier result of the same name is replaced, not removed first, so
    // that a failed write keeps it.
    return saveXMLFile(document, newCalFilePath(pRoutine));
}

QFileInfoList TCalibrationFileStore::listedFiles(const QString& pDirectory, int pMaximum,
                                                 const TSearchPattern& pPattern) const
{
    return TNewestFiles::list(
        TDeviceRoot::path(pDirectory), QStringList(QStringLiteral("*") + XML_SUFFIX), QDir::NoFilter, pMaximum,
        [&pPattern](const QFileInfo& pFile) { return pPattern.matches(baseName(pFile.fileName())); });
}

zelk::vector<QString> TCalibrationFileStore::storedCalFiles(int pMaximum) const
{
    zelk::vector<QString> names;
    for (const QFileInfo& file : listedFiles(mStoredRoutinesDir, pMaximum))
        names.push_back(baseName(file.fileName()));
    return names;
}

zelk::vector<QString> TCalibrationFileStore::storedSetups(const TSearchPattern& pPattern, int pMaximum) const
{
    QStringList files;
    for (const QFileInfo& file : listedFiles(mStoredSetupsDir, pMaximum, pPattern))
        files << file.fileName();
    // By the whole file name, as the directory lists it: "a b.xml" before "a.xml".
    std::sort(files.begin(), files.end());
    zelk::vector<QString> names;
    for (const QString& file : files)
        names.push_back(baseName(file));
    return names;
}

bool TCalibrationFileStore::readDocument(const QString& pPath, const QString& pRootName, QDomDocument& oDocument) const
{
    QFile file(TDeviceRoot::path(pPath));
    if (!file.exists() || !file.open(QIODevice::ReadOnly) || !TBoundedXmlReader::setContent(oDocument, file.readAll()))
        return false;
    return !oDocument.firstChildElement(pRootName).isNull();
}

std::unique_ptr<TCalibrationRoutine> TCalibrationFileStore::createCalRoutineFromName(const QString& pName) const
{
    QDomDocument document;
    if (!isValidFileName(pName) || !readDocument(calFilePath(pName), mCalibrationRoutineXMLRootName, document))
        return nullptr;
    return std::make_unique<TCalibrationRoutine>(document.firstChildElement(mCalibrationRoutineXMLRootName),
                                                 mChannelController);
}

std::unique_ptr<TCalibrationSetup> TCalibrationFileStore::loadSetup(const QString& pName) const
{
    QDomDocument document;
    if (!isValidFileName(pName) || !readDocument(setupFilePath(pName), mCalibrationSetupXMLRootName, document))
        return nullptr;
    auto setup = std::make_unique<TCalibrationSetup>(document.firstChildElement(mCalibrationSetupXMLRootName),
                                                     mChannelController);
    // Refused whole: the editor would build a row for each point, and cutting
    // the list would drop points without anyone seeing it.
    if (setup->hasTooManyPoints())
        return nullptr;
    return setup;
}
