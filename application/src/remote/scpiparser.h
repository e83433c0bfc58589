#pragma once

#include "scpicommand.h"

#include <QString>

// Turns one remote command line into a command: the header up to the first
// blank, lower-cased, and the comma-separated parameters after it, each an
// integer, a number, a text (bare or quoted) or a channel list. Stateless.
class TSCPIParser
{
public:
    // The most numbers one channel list may expand to. A list such as
    // "(@1:2000000000)" would otherwise take gigabytes; one beyond the limit
    // is refused like a malformed list.
    static constexpr int MAX_CHANNEL_LIST_LENGTH = 10000;

    // oParamsValid is false on return when a channel list was malformed; the
    // command must then not be used.
    TSCPICommand parseCommand(const QString& pCommand, bool& oParamsValid) const;
    // Parses one parameter text and appends it; an unterminated quoted text
    // appends nothing and still counts as valid.
    void addParameter(TSCPICommand& pCommand, const QString& pParameterString, bool& oParamsValid) const;

private:
    std::unique_ptr<TSCPIParameter> parseChannelList(const QString& pList, bool& oParamsValid) const;
};
