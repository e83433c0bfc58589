#include "calibratorfixture.h"

#include "calibratorcontrolinterpreter.h"
#include "dwk44xx_connector.h"
#include "mbk2x00_connector.h"
#include "testsupport.h"
#include "textcalibratorpeer.h"

#include <QDir>
#include <QFile>

bool TCalibratorFixture::linkConverterStandIn()
{
    QDir().mkpath(TTestEnvironment::root() + QStringLiteral("/usr/lib"));
    return QFile::link(buildDirectory() + QStringLiteral("/simulator/ftdi/libftdi1.so.2"),
                       TTestEnvironment::root() + QStringLiteral("/usr/lib/libftdi1.so.2"));
}

void TCalibratorFixture::setReplyTimeouts(const QStringList& pControl)
{
    const bool silent = !pControl.filter(QStringLiteral("fault silence always")).isEmpty();
    const int timeout = silent ? SILENT_LINE_TIMEOUT_MS : ANSWERED_LINE_TIMEOUT_MS;
    TDWK44XX_Connector::setCommTimeoutMs(timeout);
    TMBK2X00_Connector::setReadTimeoutMs(timeout);
}

bool TCalibratorFixture::start(EnCalibratorType pType, const QStringList& pControl)
{
    QString problem;
    if (start(pType, pControl, problem))
        return true;
    qWarning("%s", qPrintable(problem));
    return false;
}

bool TCalibratorFixture::start(EnCalibratorType pType, const QStringList& pControl, QString& oProblem)
{
    oProblem.clear();
    mSimulator = std::make_unique<TCalibratorSimulator>(pType);
    mSimulator->setPort(0);
    if (!mSimulator->start(oProblem))
        return false;
    for (const QString& command : pControl) {
        const QString answer = answerTo(command);
        if (answer != QLatin1String("OK")) {
            oProblem = QStringLiteral("the calibrator answered \"%1\" to \"%2\"").arg(answer, command);
            return false;
        }
    }
    return true;
}

bool TCalibratorFixture::control(const QString& pCommand)
{
    return answerTo(pCommand) == QLatin1String("OK");
}

QString TCalibratorFixture::answerTo(const QString& pCommand)
{
    TCalibratorControlInterpreter interpreter(*mSimulator);
    return interpreter.execute(pCommand).value(0);
}

QStringList TCalibratorFixture::textRequests() const
{
    QStringList seen;
    for (const QByteArray& request : mSimulator->textPeer()->receivedRequests())
        seen << QString::fromLatin1(request);
    return seen;
}
