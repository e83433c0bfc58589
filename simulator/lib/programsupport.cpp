#include "programsupport.h"

#include "terminationsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <memory>
#include <unistd.h>

void PeerProgram::quitOnTerminationSignals(QCoreApplication& pApplication)
{
    TTerminationSignals::quitEventLoopOnTermination(pApplication);
}

void PeerProgram::serveControlOnStandardInput(QObject* pOwner, TBoardControlServer::TInterpreter pInterpreter)
{
    auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, pOwner);
    auto pending = std::make_shared<QByteArray>();
    QObject::connect(input, &QSocketNotifier::activated, pOwner, [input, pending, pInterpreter]() {
        char chunk[1024];
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count <= 0) {
            input->setEnabled(false);
            return;
        }
        pending->append(chunk, int(count));
        QTextStream out(stdout);
        for (int end = pending->indexOf('\n'); end >= 0; end = pending->indexOf('\n')) {
            const QString line = QString::fromUtf8(pending->left(end)).trimmed();
            pending->remove(0, end + 1);
            if (line.isEmpty())
                continue;
            for (const QString& reply : pInterpreter(line))
                out << reply << "\n";
        }
        out.flush();
    });
}
