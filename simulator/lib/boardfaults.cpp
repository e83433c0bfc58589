#include "boardfaults.h"

#include <QStringList>

QString TBoardFaults::toText() const
{
    QStringList active;
    const auto add = [&active](const char* pName, int pCount, const QString& pDetail = QString()) {
        if (pCount == 0)
            return;
        QString text =
            QLatin1String(pName) + QLatin1Char(' ') + (pCount < 0 ? QStringLiteral("always") : QString::number(pCount));
        if (!pDetail.isEmpty())
            text += QLatin1Char(' ') + pDetail;
        active << text;
    };
    add("nak", mNakCommands);
    add("badcrc", mBadReplyCrc);
    add("silence", mSilentCommands);
    add("stray", mStrayByteCommands, QString::number(quint8(mStrayByte), 16));
    add("pieces", mPieceReplies, QStringLiteral("%1 bytes %2 ms").arg(mPieceBytes).arg(mPieceGapMs));
    add("together", mJoinedReplies);
    add("zero", mZeroByteReplies, QStringLiteral("at %1").arg(mZeroBytePosition));
    add("late", mLateReplies, QStringLiteral("%1 ms").arg(mLateReplyDelayMs));
    add("noise", mNoiseReplies);
    add("restart after reply", mRestartAfterReplies);
    add("restart", mRestartCommands);
    for (const TCommandFault& fault : mCommandFaults) {
        const QString what = fault.mKind == TCommandFault::cfSilence
                                 ? QStringLiteral("silence")
                                 : QStringLiteral("reply \"%1\"").arg(QString::fromLatin1(fault.mReply));
        add("on", fault.mCount, QStringLiteral("\"%1\" %2").arg(QString::fromLatin1(fault.mPrefix), what));
    }
    for (const QByteArray& reply : mInjectedReplies)
        active << QStringLiteral("reply \"%1\"").arg(QString::fromLatin1(reply));
    return active.isEmpty() ? QStringLiteral("none") : active.join(QLatin1String(", "));
}

bool TBoardFaults::takeCommandFault(const QByteArray& pCommand, TCommandFault& oFault)
{
    for (auto fault = mCommandFaults.begin(); fault != mCommandFaults.end(); ++fault) {
        if (!pCommand.startsWith(fault->mPrefix) || !take(fault->mCount))
            continue;
        oFault = *fault;
        if (fault->mCount == 0)
            mCommandFaults.erase(fault);
        return true;
    }
    return false;
}
