#include "loggerfixture.h"

#include "channelcontroller.h"
#include "channelviewfixture.h"
#include "clickablewidgetcontroller.h"
#include "deviceroot.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

TLoggerFixture::TLoggerFixture() : mNow(QDate(2026, 12, 6), QTime(13, 12, 53, 123), Qt::LocalTime) {}

TLoggerFixture::~TLoggerFixture()
{
    releaseLogger();
    mScanMode.reset();
}

TLogfileController& TLoggerFixture::buildLogger(bool pLoadProbes)
{
    if (!hasController())
        build(READ_INTERVAL);
    buildProbes(pLoadProbes);
    if (!mScanMode)
        mScanMode = buildScanModeOnForm(*this);
    Ui_TTamarindMainForm& f = ui();
    auto menu = std::make_unique<TClickableWidgetController>(f.LblMenuCaption);
    menu->addWidget(f.BtnLogger_Mode, f.LblLogger_Mode);
    menu->addWidget(f.BtnLogger_Interval, f.LblLogger_Interval);
    menu->addWidget(f.BtnLogger_StartTime, f.LblLogger_StartTime);
    menu->addWidget(f.BtnLogger_Duration, f.LblLogger_Duration);
    mLogger = std::make_unique<TLogfileController>(
        &subMenu(), READ_INTERVAL, &controller(), &probes(), mScanMode.get(), QStringLiteral("/home/Logfiles"),
        TLogfileControllerWidgets::fromForm(f), std::move(menu), QStringLiteral("SN-4711"));
    mLogger->setCurrentDateTime([this] { return mNow; });
    mLogger->loadSettings();
    return *mLogger;
}

void TLoggerFixture::releaseLogger()
{
    mLogger.reset();
}

void TLoggerFixture::read(TAbstractChannel* pChannel, int pCount)
{
    for (int n = 0; n < pCount; ++n) {
        mLogger->channelRead(pChannel);
        mNow = mNow.addMSecs(READ_INTERVAL);
    }
}

QString TLoggerFixture::logfileDir() const
{
    return TDeviceRoot::path(QStringLiteral("/home/Logfiles"));
}

QStringList TLoggerFixture::logfileNames() const
{
    return QDir(logfileDir()).entryList(QDir::Files, QDir::Time);
}

QByteArray TLoggerFixture::content(const QString& pName) const
{
    QFile file(logfileDir() + QLatin1Char('/') + pName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TLoggerFixture::dataLines(const QString& pName) const
{
    const QString all = QString::fromUtf8(content(pName));
    const int titles = all.indexOf(QLatin1String("\r\n\r\n"));
    if (titles < 0)
        return {};
    const int firstData = all.indexOf(QLatin1String("\r\n"), titles + 4);
    QStringList lines = all.mid(firstData + 2).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool TLoggerFixture::putLogfile(const QString& pName, const QByteArray& pContent, int pSecondsAgo,
                                QString* oProblem) const
{
    const QString path = QStringLiteral("/home/Logfiles/") + pName;
    if (!TTestEnvironment::writeDeviceFile(path, pContent, oProblem))
        return false;
    QFile file(TDeviceRoot::path(path));
    if (file.open(QIODevice::ReadWrite) &&
        file.setFileTime(QDateTime::currentDateTime().addSecs(-pSecondsAgo), QFileDevice::FileModificationTime))
        return true;
    if (oProblem)
        *oProblem = QStringLiteral("the log file \"%1\" cannot be dated: %2").arg(file.fileName(), file.errorString());
    return false;
}
