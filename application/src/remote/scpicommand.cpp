#include "scpicommand.h"

#include <QStringList>

TSCPIParameter::~TSCPIParameter() = default;

QString TSCPIParameter::toString() const
{
    return QString();
}

QString TSCPINumericParameter::toString() const
{
    return QString::number(mVal, 'g', 6);
}

QString TSCPIIntegerParameter::toString() const
{
    return QString::number(mVal);
}

QString TSCPIStringParameter::toString() const
{
    return mVal;
}

QString TSCPIChannelListParameter::toString() const
{
    QStringList numbers;
    for (qint32 channel : mChannels)
        numbers << QString::number(channel);
    return QStringLiteral("(@") + numbers.join(QLatin1Char(',')) + QLatin1Char(')');
}

TSCPICommand::~TSCPICommand() = default;

void TSCPICommand::addAndOwnParameter(std::unique_ptr<TSCPIParameter> pParameter)
{
    mParameters.push_back(std::move(pParameter));
}
