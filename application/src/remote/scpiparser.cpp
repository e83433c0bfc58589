#include "scpiparser.h"

#include <QStringList>

#include <cmath>

TSCPICommand TSCPIParser::parseCommand(const QString& pCommand, bool& oParamsValid) const
{
    oParamsValid = true;
    TSCPICommand command;
    // Only a blank separates: a tab stays part of the header.
    const int blank = pCommand.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        command.setCommandName(pCommand.toLower());
        return command;
    }
    command.setCommandName(pCommand.left(blank).toLower());

    QChar openQuote;
    int depth = 0;
    QString piece;
    const int length = pCommand.size();
    for (int i = blank + 1; i < length && oParamsValid; ++i) {
        const QChar c = pCommand.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            if (openQuote.isNull())
                openQuote = c;
            else if (openQuote == c)
                openQuote = QChar();
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            --depth;
        } else if (c == QLatin1Char(',') && openQuote.isNull() && depth == 0) {
            addParameter(command, piece, oParamsValid);
            piece.clear();
            continue;
        }
        piece.append(c);
    }
    if (oParamsValid && !piece.isEmpty())
        addParameter(command, piece, oParamsValid);
    return command;
}

void TSCPIParser::addParameter(TSCPICommand& pCommand, const QString& pParameterString, bool& oParamsValid) const
{
    QString piece = pParameterString.trimmed();
    if (piece.startsWith(QLatin1Char('(')) && piece.endsWith(QLatin1Char(')')))
        piece = piece.mid(1, piece.size() - 2).trimmed();

    if (piece.startsWith(QLatin1Char('"')) || piece.startsWith(QLatin1Char('\''))) {
        const QChar quote = piece.at(0);
        if (piece.size() == 1)
            pCommand.addAndOwnParameter(std::make_unique<TSCPIStringParameter>(QString()));
        else if (piece.endsWith(quote))
            pCommand.addAndOwnParameter(std::make_unique<TSCPIStringParameter>(piece.mid(1, piece.size() - 2)));
        return;
    }
    if (piece.startsWith(QLatin1Char('@'))) {
        auto list = parseChannelList(piece.mid(1), oParamsValid);
        if (list)
            pCommand.addAndOwnParameter(std::move(list));
        return;
    }
    bool ok = false;
    const int integer = piece.toInt(&ok, 10);
    if (ok) {
        pCommand.addAndOwnParameter(std::make_unique<TSCPIIntegerParameter>(integer));
        return;
    }
    const double number = piece.toDouble(&ok);
    // Qt reads "nan" and "inf" as numbers; no command takes one, and a
    // handler that passed it on would store it in a probe or on the board.
    if (ok && !std::isfinite(number)) {
        oParamsValid = false;
        return;
    }
    if (ok) {
        pCommand.addAndOwnParameter(std::make_unique<TSCPINumericParameter>(number));
        return;
    }
    pCommand.addAndOwnParameter(std::make_unique<TSCPIStringParameter>(piece));
}

std::unique_ptr<TSCPIParameter> TSCPIParser::parseChannelList(const QString& pList, bool& oParamsValid) const
{
    auto list = std::make_unique<TSCPIChannelListParameter>();
    const QStringList parts = pList.split(QLatin1Char(','));
    for (const QString& part : parts) {
        if (!oParamsValid)
            break;
        const QStringList sides = part.split(QLatin1Char(':'));
        if (sides.size() == 1) {
            const int channel = sides.at(0).toInt(&oParamsValid, 10);
            if (oParamsValid)
                list->addChannel(channel);
        } else if (sides.size() == 2) {
            bool firstOk = false;
            bool lastOk = false;
            const qint64 first = sides.at(0).toInt(&firstOk, 10);
            const qint64 last = sides.at(1).toInt(&lastOk, 10);
            const qint64 count = (first <= last ? last - first : first - last) + 1;
            oParamsValid = firstOk && lastOk && list->channels().size() + count <= MAX_CHANNEL_LIST_LENGTH;
            const int step = first <= last ? 1 : -1;
            for (qint64 channel = first; oParamsValid && channel != last + step; channel += step)
                list->addChannel(qint32(channel));
        } else {
            oParamsValid = false;
        }
        if (list->channels().size() > MAX_CHANNEL_LIST_LENGTH)
            oParamsValid = false;
    }
    if (!oParamsValid)
        return nullptr;
    return list;
}
