#pragma once

#include <QString>
#include <QVector>

#include <memory>
#include <vector>

// One parameter of a remote command line. Handlers tell the kinds apart by
// their run-time type (dynamic_cast), so the family stays plain classes.
class TSCPIParameter
{
public:
    virtual ~TSCPIParameter();
    virtual QString toString() const;
};

// Any number; an integer parameter is one too, so a handler asking for a
// number also takes integers.
class TSCPINumericParameter : public TSCPIParameter
{
public:
    explicit TSCPINumericParameter(double pVal) : mVal(pVal) {}
    double val() const { return mVal; }
    QString toString() const override;

private:
    double mVal;
};

class TSCPIIntegerParameter : public TSCPINumericParameter
{
public:
    explicit TSCPIIntegerParameter(qint32 pVal) : TSCPINumericParameter(pVal), mVal(pVal) {}
    qint32 int_val() const { return mVal; }
    QString toString() const override;

private:
    qint32 mVal;
};

class TSCPIStringParameter : public TSCPIParameter
{
public:
    explicit TSCPIStringParameter(const QString& pVal) : mVal(pVal) {}
    const QString& val() const { return mVal; }
    QString toString() const override;

private:
    QString mVal;
};

// The numbers of a channel list in the order written, ranges expanded,
// duplicates kept.
class TSCPIChannelListParameter : public TSCPIParameter
{
public:
    const QVector<qint32>& channels() const { return mChannels; }
    void addChannel(qint32 pChannel) { mChannels.append(pChannel); }
    QString toString() const override;

private:
    QVector<qint32> mChannels;
};

// A parsed command line: the lower-cased header and its parameters, owned.
class TSCPICommand
{
public:
    TSCPICommand() = default;
    TSCPICommand(TSCPICommand&&) = default;
    TSCPICommand& operator=(TSCPICommand&&) = default;
    virtual ~TSCPICommand();

    bool isValid() const { return !mCommandName.isEmpty(); }
    void setCommandName(const QString& pName) { mCommandName = pName; }
    const QString& commandName() const { return mCommandName; }
    const std::vector<std::unique_ptr<TSCPIParameter>>& parameters() const { return mParameters; }
    void addAndOwnParameter(std::unique_ptr<TSCPIParameter> pParameter);

private:
    QString mCommandName;
    std::vector<std::unique_ptr<TSCPIParameter>> mParameters;
};
