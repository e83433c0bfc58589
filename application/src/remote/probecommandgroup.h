#pragma once

#include "scpicommand.h"

#include <QLatin1String>
#include <QString>

#include <vector>

class QDate;
class TAbstractProbe;
class TChannelController;
class TExternalCommunicationHandler;
class TInternalSCPIHandler;
class TProbeController;

// What the command of a probe group did, so that the common course can finish it.
enum EnProbeCommandOutcome {
    // A reply or an error went out; nothing more to do.
    pcoAnswered,
    // The board took the change: acknowledge and read the probe back.
    pcoChanged,
    // The board refused the change or did not answer: error 14, the local probe stays.
    pcoRefused
};

// One command on its way through a probe group: the parameters, the probe the
// first parameter named (null for the commands without one) and the services
// the commands work through. The readers answer their own error 5.
class TProbeCommandContext
{
public:
    using KindTest = bool (*)(const TAbstractProbe*);

    TProbeCommandContext(TExternalCommunicationHandler& pHandler, const TSCPICommand& pCommand,
                         TInternalSCPIHandler& pBoard, TProbeController& pProbes, TChannelController* pChannels,
                         KindTest pIsOfKind);

    TExternalCommunicationHandler& handler() const { return mHandler; }
    const TSCPICommand& command() const { return mCommand; }
    TInternalSCPIHandler& board() const { return mBoard; }
    TProbeController& probes() const { return mProbes; }
    // Null while the main window has built no channels.
    TChannelController* channels() const { return mChannels; }
    // Whether a probe is of the group's kind.
    bool isOfKind(const TAbstractProbe* pProbe) const { return mIsOfKind(pProbe); }
    TAbstractProbe* probe() const { return mProbe; }
    void setProbe(TAbstractProbe* pProbe) { mProbe = pProbe; }

    const std::unique_ptr<TSCPIParameter>& parameter(unsigned int pIndex) const
    {
        return mCommand.parameters().at(pIndex);
    }
    // The whole integer of parameter pIndex.
    bool integer(unsigned int pIndex, int& oValue);
    // An integer from pMinimum to pMaximum. With pLow16Bits a larger number
    // counts by its low 16 bits, read with their sign, as the board keeps the
    // code; otherwise the whole number is judged.
    bool code(unsigned int pIndex, int pMinimum, int pMaximum, int& oValue, bool pLow16Bits = false);
    // 0 or 1.
    bool flag(unsigned int pIndex, bool& oValue);
    // Any number, an integer included.
    bool number(unsigned int pIndex, double& oValue);
    // Year, month and day from pIndex on, forming a valid date.
    bool date(unsigned int pIndex, QDate& oDate);

    EnProbeCommandOutcome reply(const QString& pReply);
    EnProbeCommandOutcome error(int pError);
    // The outcome of a board operation's result.
    static EnProbeCommandOutcome boardResult(bool pAccepted) { return pAccepted ? pcoChanged : pcoRefused; }

private:
    TExternalCommunicationHandler& mHandler;
    const TSCPICommand& mCommand;
    TInternalSCPIHandler& mBoard;
    TProbeController& mProbes;
    TChannelController* mChannels;
    KindTest mIsOfKind;
    TAbstractProbe* mProbe = nullptr;
};

// One header of a probe group, with what the common course checks before the
// command's own action runs.
struct TProbeCommand
{
    enum EnShape {
        // The first parameter names a probe of the group: lookup, kind, default.
        csProbe,
        // The action reads its parameters itself (list, assignment, switches).
        csOwnParameters
    };
    using Action = EnProbeCommandOutcome (*)(TProbeCommandContext&);

    // A query of one probe of the group, default probes included.
    static TProbeCommand query(const char* pShortHeader, const char* pLongHeader, unsigned int pArgCount,
                               Action pAction)
    {
        return TProbeCommand{QLatin1String(pShortHeader), QLatin1String(pLongHeader), csProbe, pArgCount, pAction};
    }
    // A change of one probe of the group; default probes refused unless
    // allowed, a probe a running routine measures with always.
    static TProbeCommand change(const char* pShortHeader, const char* pLongHeader, unsigned int pArgCount,
                                Action pAction)
    {
        TProbeCommand command = query(pShortHeader, pLongHeader, pArgCount, pAction);
        command.mRefusesDefaultProbe = true;
        command.mChangesProbe = true;
        return command;
    }
    static TProbeCommand own(const char* pShortHeader, const char* pLongHeader, unsigned int pArgCount, Action pAction)
    {
        return TProbeCommand{QLatin1String(pShortHeader), QLatin1String(pLongHeader), csOwnParameters, pArgCount,
                             pAction};
    }

    TProbeCommand& defaultAllowed()
    {
        mRefusesDefaultProbe = false;
        return *this;
    }
    TProbeCommand& authLevel(int pLevel)
    {
        mAuthLevel = pLevel;
        return *this;
    }
    TProbeCommand& namingCommand(bool (*pCheckName)(TProbeCommandContext&))
    {
        mEarlyCheck = pCheckName;
        mRefreshesNames = true;
        return *this;
    }
    TProbeCommand& availableIf(bool (*pAvailable)())
    {
        mAvailable = pAvailable;
        return *this;
    }

    QLatin1String mShortHeader;
    QLatin1String mLongHeader;
    EnShape mShape;
    // Least number of parameters; more are ignored.
    unsigned int mArgCount;
    Action mAction;
    bool mRefusesDefaultProbe = false;
    bool mChangesProbe = false;
    // Access level asserted before the count; 0 for none.
    int mAuthLevel = 0;
    // Checks a parameter before the probe's kind is judged (the name of the
    // naming commands); null for none.
    bool (*mEarlyCheck)(TProbeCommandContext&) = nullptr;
    // After the read-back the probe's name is shown anew on its labels.
    bool mRefreshesNames = false;
    // Whether the header belongs to the group on this instrument; null for always.
    bool (*mAvailable)() = nullptr;
};

// A probe group: the probes it serves and its headers in the order they are tried.
struct TProbeCommandGroup
{
    TProbeCommandContext::KindTest mIsOfKind;
    std::vector<TProbeCommand> mCommands;
};

// Commands every probe group has in the same form; each group names them
// with its own headers.
namespace Probe_commands
{
// Both in general notation with six significant digits.
QString limitText(double pValue);
// "yyyy,MM,dd", "0,0,0" for no date.
QString calibrationDateText(const QDate& pDate);
// The group's probes, custom before default, each ascending, as "number:name"
// separated by ","; error 9 when the group has none.
EnProbeCommandOutcome list(TProbeCommandContext& pContext);
// Probe number and channel (a channel list gives its first channel); the
// probe must be of the group and the channel a physical one.
EnProbeCommandOutcome assign(TProbeCommandContext& pContext);

bool checkName(TProbeCommandContext& pContext);
EnProbeCommandOutcome setName(TProbeCommandContext& pContext);
EnProbeCommandOutcome name(TProbeCommandContext& pContext);
EnProbeCommandOutcome setReference(TProbeCommandContext& pContext);
EnProbeCommandOutcome reference(TProbeCommandContext& pContext);
EnProbeCommandOutcome channel(TProbeCommandContext& pContext);
EnProbeCommandOutcome setTmax(TProbeCommandContext& pContext);
EnProbeCommandOutcome tmax(TProbeCommandContext& pContext);
EnProbeCommandOutcome setTmin(TProbeCommandContext& pContext);
EnProbeCommandOutcome tmin(TProbeCommandContext& pContext);
EnProbeCommandOutcome setCalibrationDate(TProbeCommandContext& pContext);
EnProbeCommandOutcome calibrationDate(TProbeCommandContext& pContext);
} // namespace Probe_commands
