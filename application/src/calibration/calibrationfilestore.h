#pragma once

#include "searchpattern.h"
#include "zelkvector.h"

#include <QFileInfoList>
#include <QString>

#include <memory>

class QDomDocument;
class TCalibrationRoutine;
class TCalibrationSetup;
class TChannelController;

// The calibration files on the instrument's own disk: one setup file per
// setup, named after it, and one result file per finished routine, named
// after its setup and end time. Files are identified by their base name (the
// file name without ".xml"). The routines screen holds one; the data download
// lists and reads the results through it.
//
// A name that could leave its directory (empty, "." or "..", or holding "/"
// or NUL; a setup file restored from a stick can carry any name) is refused by
// every operation: nothing is read, written or removed.
class TCalibrationFileStore
{
public:
    explicit TCalibrationFileStore(const TChannelController& pChannelController);

    // Device paths; TDeviceRoot places them under the root on a development machine.
    const QString& storedSetupsDir() const { return mStoredSetupsDir; }
    const QString& storedRoutinesDir() const { return mStoredRoutinesDir; }

    static bool isValidFileName(const QString& pName);

    // Device paths of the files; the name goes in unchanged, so check it first.
    QString setupFilePath(const QString& pName) const;
    QString calFilePath(const QString& pName) const;
    QString newCalFilePath(const TCalibrationRoutine* pRoutine) const;

    bool setupFileExists(const QString& pName) const;
    // Removes the file if it exists and makes the removal durable.
    void deleteSetupFile(const QString& pName) const;
    void deleteCalFile(const QString& pName) const;

    // Replaces the file only once the new content is complete on the medium,
    // so a failed or interrupted write keeps the old file. False when it could
    // not be written, after the disk check has told the user of a full disk.
    bool saveXMLFile(const QDomDocument& pDocument, const QString& pPath) const;
    bool storeSetup(const TCalibrationSetup* pSetup) const;
    // Two routines of one setup ending in the same minute share a file: the
    // later one replaces the earlier.
    bool storeRoutine(const TCalibrationRoutine* pRoutine) const;

    // Base names of the result files, newest first; when pMaximum is not
    // negative, the newest pMaximum only.
    zelk::vector<QString> storedCalFiles(int pMaximum = -1) const;
    // Base names of the setup files that pPattern matches, by name; when
    // pMaximum is not negative, the newest pMaximum of them only.
    zelk::vector<QString> storedSetups(const TSearchPattern& pPattern = TSearchPattern(QString()),
                                       int pMaximum = -1) const;

    // Empty when the file is missing, does not parse or lacks its document element.
    std::unique_ptr<TCalibrationRoutine> createCalRoutineFromName(const QString& pName) const;
    // Empty in the same cases, and for a setup with more set points than a setup may hold.
    std::unique_ptr<TCalibrationSetup> loadSetup(const QString& pName) const;

private:
    QDomDocument newDocument(const QString& pRootName) const;
    // False when the file is missing, does not parse or lacks the element.
    bool readDocument(const QString& pPath, const QString& pRootName, QDomDocument& oDocument) const;
    void deleteFile(const QString& pPath) const;
    // The result or setup files, newest first.
    QFileInfoList listedFiles(const QString& pDirectory, int pMaximum,
                              const TSearchPattern& pPattern = TSearchPattern(QString())) const;

    const QString mStoredSetupsDir;
    const QString mStoredRoutinesDir;
    const QString mCalibrationSetupXMLRootName;
    const QString mCalibrationRoutineXMLRootName;
    const TChannelController& mChannelController;
};
