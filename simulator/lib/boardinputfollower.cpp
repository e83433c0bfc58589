#include "boardinputfollower.h"

#include "calibratorthermalmodel.h"
#include "localsocketaddress.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocalSocket>
#include <QSaveFile>

TBoardInputFollower::TBoardInputFollower(TCalibratorThermalModel& pModel, const QString& pBoardControlSocket,
                                         std::map<int, double> pOffsetByInput, QObject* pParent)
    : QObject(pParent)
    , mModel(pModel)
    , mBoardControlSocket(pBoardControlSocket)
    , mOffsetByInput(std::move(pOffsetByInput))
    , mSocket(new QLocalSocket(this))
    , mSeenSetPoints(pModel.setPointCount())
{
    // Answers are not needed; reading them keeps the board's socket from filling.
    connect(mSocket, &QLocalSocket::readyRead, mSocket, [this] { mSocket->readAll(); });
    connect(&mTimer, &QTimer::timeout, this, &TBoardInputFollower::update);
}

TBoardInputFollower::~TBoardInputFollower() = default;

bool TBoardInputFollower::parseInputs(const QString& pText, std::map<int, double>& oOffsetByInput)
{
    oOffsetByInput.clear();
    for (const QString& item : pText.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char(':'));
        bool channelOk = false;
        bool offsetOk = false;
        const int channel = parts.value(0).trimmed().toInt(&channelOk);
        const double offset = parts.size() == 2 ? parts.at(1).trimmed().toDouble(&offsetOk) : 0.0;
        if (parts.size() != 2 || !channelOk || !offsetOk || channel < 1)
            return false;
        oOffsetByInput[channel] = offset;
    }
    return !oOffsetByInput.empty();
}

void TBoardInputFollower::start()
{
    mTimer.start(UPDATE_INTERVAL_MS);
}

QString TBoardInputFollower::ownerFile() const
{
    return mBoardControlSocket + QStringLiteral(".follow");
}

bool TBoardInputFollower::ownsInputs() const
{
    QFile file(ownerFile());
    return file.open(QIODevice::ReadOnly) &&
           file.readAll().trimmed() == QByteArray::number(QCoreApplication::applicationPid());
}

void TBoardInputFollower::update()
{
    const unsigned long setPoints = mModel.setPointCount();
    if (setPoints != mSeenSetPoints) {
        mSeenSetPoints = setPoints;
        QSaveFile file(ownerFile());
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n');
            file.commit();
        }
    }
    if (!ownsInputs())
        return;
    if (mSocket->state() != QLocalSocket::ConnectedState) {
        // The board may start later or restart; try again at the next turn.
        mSocket->abort();
        if (!TLocalSocketAddress::connect(*mSocket, mBoardControlSocket, 200))
            return;
    }
    const double block = mModel.temperature();
    QByteArray commands;
    for (const auto& input : mOffsetByInput)
        commands += QStringLiteral("noise %1 %2 %3\n")
                        .arg(input.first)
                        .arg(block + input.second, 0, 'f', 4)
                        .arg(NOISE_KELVIN)
                        .toLatin1();
    mSocket->write(commands);
    mSocket->flush();
}
