#pragma once

#include <QStringList>

class QTextStream;

// The user's hand at the simulated USB stick: plugs it in and pulls it out
// while the instrument program runs under the same device root.
class TUSBStickControl
{
public:
    // "insert" (a stick with one partition), "insert whole-disk" (a file
    // system on the whole disk), "remove", "capacity <bytes>|unlimited" or
    // "status". Returns the exit code of the control program; messages go to
    // pOutput, the reason a step failed to pErrors.
    static int execute(const QStringList& pArguments, QTextStream& pOutput, QTextStream& pErrors);
};
