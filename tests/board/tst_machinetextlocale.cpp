#include "boardstate.h"
#include "instrumentinfo.h"
#include "probe.h"
#include "probeserializer.h"
#include "simulatedboardlink.h"
#include "testprobes.h"
#include "testsupport.h"

#include <QDomDocument>
#include <QDomElement>
#include <QLocale>

#include <functional>

using namespace Probe_enums;

// Board commands, probe records, probe fragments and the instrument's own
// files are read by machines. Their dates must keep ASCII digits on a system
// whose locale writes digits of its own; every test here runs on such a one.
namespace
{
// Eastern Arabic digits.
const char SYSTEM_LOCALE[] = "ar_EG";

using TMachineText = std::function<QString(TSimulatedBoardLink&)>;

QStringList recordFields(const TAbstractProbe& pProbe)
{
    return TProbeSerializer().probeToString(pProbe).split(QLatin1Char(','));
}

QString fragmentElement(const TAbstractProbe& pProbe, const QString& pPath)
{
    QDomDocument document;
    QDomElement probeElement = document.createElement("probe");
    document.appendChild(probeElement);
    pProbe.saveToXML(probeElement);
    QDomElement element = probeElement;
    for (const QString& name : pPath.split('/'))
        element = element.firstChildElement(name);
    return element.text();
}
} // namespace

Q_DECLARE_METATYPE(TMachineText)

class tst_MachineTextLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void datesKeepAsciiDigits_data();
    void datesKeepAsciiDigits();
    void boardDatesReadBack();

private:
    TSimulatedBoardLink mBoard;
};

void tst_MachineTextLocale::initTestCase()
{
    // Without digits of its own the locale would prove nothing.
    QVERIFY(QLocale::system().zeroDigit() != QLatin1Char('0'));
    QVERIFY(mBoard.board().isRunning());
}

void tst_MachineTextLocale::datesKeepAsciiDigits_data()
{
    QTest::addColumn<TMachineText>("machineText");
    QTest::addColumn<QString>("expected");

    QTest::newRow("probe calibration date command") << TMachineText([](TSimulatedBoardLink& pBoard) {
        pBoard.handler().setProbeCalDate(*TestProbes::prt(), QDate(2024, 3, 5));
        return QString::fromLatin1(pBoard.lastCommand());
    }) << "prob:cal:date 7,2024,03,05";
    QTest::newRow("SMART probe calibration date command") << TMachineText([](TSimulatedBoardLink& pBoard) {
        pBoard.handler().setSmartProbe_CalNext(QDate(2025, 12, 1), QDateTime());
        return QString::fromLatin1(pBoard.lastCommand());
    }) << "sens:frtd:cal:next 2025,12,01";
    QTest::newRow("probe record") << TMachineText([](TSimulatedBoardLink&) {
        return recordFields(*TestProbes::prt()).mid(25, 3).join(',');
    }) << "2020,05,17";
    QTest::newRow("probe fragment, last calibration")
        << TMachineText([](TSimulatedBoardLink&) { return fragmentElement(*TestProbes::prt(), "last_cal_date"); })
        << "20200517";
    QTest::newRow("SMART probe fragment, next calibration") << TMachineText([](TSimulatedBoardLink&) {
        return fragmentElement(*TestProbes::smart(), "smart_probe_details/next_cal_date");
    }) << "20220310";
    QTest::newRow("manufacturing date file") << TMachineText([](TSimulatedBoardLink&) {
        // The service command writes into the existing home directory.
        QString problem;
        if (!TTestEnvironment::writeDeviceFile("/home/manufacturingdate", QByteArray(), &problem))
            return problem;
        TInstrumentInfo::instance()->setInstrumentManufacturingDate(QDate(2016, 3, 1));
        return QString::fromLatin1(TTestEnvironment::readDeviceFile("/home/manufacturingdate"));
    }) << "20160301";
}

void tst_MachineTextLocale::datesKeepAsciiDigits()
{
    QFETCH(TMachineText, machineText);
    QFETCH(QString, expected);
    QCOMPARE(machineText(mBoard), expected);
}

void tst_MachineTextLocale::boardDatesReadBack()
{
    // The simulated board answers with the same texts a board would.
    const std::unique_ptr<TMeasurementBoardInfo> info = mBoard.handler().getMeasurementBoardInfo();
    QVERIFY(info);
    QCOMPARE(info->firmwareDate(), TBoardIdentity().mFirmwareDate);

    TSimulatedSmartProbe probe = TSimulatedSmartProbe::callendarVanDusenPt100();
    probe.mCalDate = QDate(2024, 1, 15);
    QVERIFY(mBoard.board().plugSmartProbe(1, probe));
    QVERIFY(mBoard.handler().setConfChan(1));
    QDate calibrated;
    QCOMPARE(mBoard.handler().smartProbe_CalDate(calibrated, QDateTime::currentDateTime()), 0);
    QCOMPARE(calibrated, QDate(2024, 1, 15));
}

int main(int argc, char** argv)
{
    // The system locale is read once, on first use: before the test
    // environment settles on C for everything else.
    qputenv("LC_ALL", SYSTEM_LOCALE);
    QLocale::system();
    TTestEnvironment environment;
    QApplication app(argc, argv);
    tst_MachineTextLocale test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_machinetextlocale.moc"
