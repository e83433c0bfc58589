// A simulated temperature calibrator as a program of its own, for ./run.sh and
// for tests against the real instrument program. See simulator/README.md.

#include "boardcontrolserver.h"
#include "boardinputfollower.h"
#include "calibratorcontrolinterpreter.h"
#include "calibratorsimulator.h"
#include "deviceroot.h"
#include "programsupport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <map>
#include <memory>

int main(int argc, char* argv[])
{
    if (!TDeviceRoot::checkRootVariable("calsim"))
        return 2;
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("calsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated temperature calibrator."));
    parser.addHelpOption();
    const QCommandLineOption model(QStringLiteral("model"),
                                   QStringLiteral("The calibrator model, by type code or text (default DWK4400-165)."),
                                   QStringLiteral("model"), QStringLiteral("DWK4400-165"));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Where to link the calibrator's line (default: "
                                                 "/dev/ttyUSB-calibrator under $TAMARIND_ROOT)."),
                                  QStringLiteral("path"));
    const QCommandLineOption control(QStringLiteral("control"),
                                     QStringLiteral("Serve the control commands on this local socket."),
                                     QStringLiteral("path"));
    const QCommandLineOption standardInput(QStringLiteral("stdin"),
                                           QStringLiteral("Read control commands from standard input."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The TCP port of a network model on 127.0.0.1 (default 8101)."),
                                  QStringLiteral("port"), QStringLiteral("8101"));
    const QCommandLineOption board(QStringLiteral("board"),
                                   QStringLiteral("Keep inputs of the board simulator serving control commands on this "
                                                  "socket at the block's temperature (see --inputs)."),
                                   QStringLiteral("socket"));
    const QCommandLineOption inputs(QStringLiteral("inputs"),
                                    QStringLiteral("The board inputs in the block, each with its error in kelvin "
                                                   "(default 1:0,2:0.03,3:-0.2)."),
                                    QStringLiteral("input:offset,..."), QStringLiteral("1:0,2:0.03,3:-0.2"));
    parser.addOptions({model, link, port, control, standardInput, board, inputs});
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);
    // The converter table lives under the root; without one the simulator
    // would write into the machine's own /var/lib.
    if (!TDeviceRoot::isSimulated()) {
        err << "calsim: set TAMARIND_ROOT; the simulated converter lives under the device root.\n";
        return 2;
    }
    EnCalibratorType type = EnCalibratorType::ctUndefined;
    if (!TCalibratorSimulator::parseModel(parser.value(model), type)) {
        err << "calsim: unknown model " << parser.value(model) << " (a code 1 to 12 or a model text)\n";
        return 2;
    }

    std::map<int, double> offsetByInput;
    if (parser.isSet(board) && !TBoardInputFollower::parseInputs(parser.value(inputs), offsetByInput)) {
        err << "calsim: --inputs wants input:offset pairs separated by commas, e.g. 1:0,2:0.03\n";
        return 2;
    }

    TCalibratorSimulator simulator(type);
    simulator.setPort(quint16(parser.value(port).toUInt()));
    QString error;
    const QString linkPath = parser.isSet(link) ? parser.value(link) : TCalibratorSimulator::defaultLinkPath();
    if (simulator.protocol() != TCalibratorSimulator::EnProtocol::pRegisterTcp &&
        !PeerProgram::takeLine(linkPath, error)) {
        err << "calsim: " << error << "\n";
        return 1;
    }
    if (!simulator.start(linkPath, error)) {
        err << "calsim: " << error << "\n";
        return 1;
    }
    if (simulator.protocol() == TCalibratorSimulator::EnProtocol::pRegisterTcp)
        out << "calsim: " << simulator.modelName() << " on 127.0.0.1:" << simulator.port() << Qt::endl;
    else
        out << "calsim: " << simulator.modelName() << " on the simulated USB-serial converter, line "
            << simulator.linkPath() << Qt::endl;

    TCalibratorControlInterpreter interpreter(simulator);
    const auto execute = [&interpreter](const QString& pLine) { return interpreter.execute(pLine); };
    TBoardControlServer server(execute);
    if (parser.isSet(control)) {
        if (!server.listen(parser.value(control), error)) {
            err << "calsim: cannot serve control commands on " << parser.value(control) << ": " << error << "\n";
            return 1;
        }
        out << "calsim: control commands on " << server.socketPath() << " (try: help)" << Qt::endl;
    }
    if (parser.isSet(standardInput))
        PeerProgram::serveControlOnStandardInput(&application, execute);

    std::unique_ptr<TBoardInputFollower> follower;
    if (parser.isSet(board)) {
        follower = std::make_unique<TBoardInputFollower>(simulator.model(), parser.value(board), offsetByInput);
        follower->start();
        out << "calsim: board inputs follow the block after its first set point (" << parser.value(inputs) << ")"
            << Qt::endl;
    }

    PeerProgram::quitOnTerminationSignals(application);
    const int result = application.exec();
    simulator.stop();
    return result;
}
