#include "diskspacecontroller.h"

#include "messagedialog.h"
#include "warninggate.h"

#include "commandrunner.h"

#include <QRegularExpression>
#include <QStringList>

namespace
{
// At 100 % the file system cannot take the next settings or log write.
constexpr int MAXIMUM_DISK_USAGE = 99;
} // namespace

TDiskSpaceController& TDiskSpaceController::instance()
{
    static TDiskSpaceController controller;
    return controller;
}

int TDiskSpaceController::diskUsage() const
{
    const TCommandResult result = TCommandRunner::instance().run(QStringLiteral("df"), {QStringLiteral("/")});
    const QStringList lines = QString::fromLocal8Bit(result.mStandardOutput).split(QLatin1Char('\n'));
    if (lines.size() < 2)
        return 0;
    // Filesystem, 1K-blocks, Used, Available, Use%, Mounted on
    const QStringList fields = lines.at(1).split(QRegularExpression(QStringLiteral(" +")));
    if (fields.size() != 6)
        return 0;
    QString use = fields.at(4);
    if (!use.endsWith(QLatin1Char('%')))
        return 0;
    use.chop(1);
    return use.toInt();
}

bool TDiskSpaceController::checkDiskspace()
{
    if (diskUsage() <= MAXIMUM_DISK_USAGE)
        return true;
    showStorageFullMessage();
    return false;
}

void TDiskSpaceController::showStorageFullMessage()
{
    // During a remote command the caller goes on at once; however often the
    // command found the disk full, it is told once, after the command. While
    // the message is open it is not opened again: commands that run in its
    // event loop would stack copies that each need an OK.
    if (mMessageOutstanding)
        return;
    mMessageOutstanding = true;
    TWarningGate::instance().showWhenFree(this, [this]() {
        TWarningGate::instance().showMessage(tr("100 % storage used"), TMessageDialog::dtStorage,
                                             [this]() { mMessageOutstanding = false; });
    });
}
