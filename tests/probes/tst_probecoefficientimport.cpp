#include "boardcontrolinterpreter.h"
#include "boardstate.h"
#include "calibrationprogressdialog.h"
#include "clickablewidgetcontroller.h"
#include "importerrorsummary.h"
#include "probe.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"
#include "standardprobesettingcontroller.h"
#include "tamarindsettings.h"
#include "testidentity.h"
#include "testsupport.h"

#include <QFile>
#include <QLabel>
#include <QTextCodec>
#include <QTimer>

#include <cmath>
#include <map>
#include <set>

using namespace Probe_enums;

namespace
{
using TFields = std::map<int, QString>;

// A line of a coefficient file: the given fields, all others empty, 50 in all.
QString line(const TFields& pFields)
{
    QStringList fields;
    for (int i = 0; i < TProbeController::COEFF_EXPORT_COL_COUNT; ++i)
        fields << (pFields.count(i) ? pFields.at(i) : QString());
    return fields.join('\t');
}

// The fields of a Pt100 line with Callendar-Van Dusen coefficients.
TFields pt100(const QString& pName)
{
    return {{0, pName},    {2, "x"},        {12, "-200"},     {13, "450"},
            {14, "100.5"}, {15, "3.9e-03"}, {16, "-5.8e-07"}, {17, "-4.2e-12"}};
}

TFields with(TFields pFields, const TFields& pChanges)
{
    for (const auto& change : pChanges) {
        if (change.second.isNull())
            pFields.erase(change.first);
        else
            pFields[change.first] = change.second;
    }
    return pFields;
}

const QString HEADER = QStringLiteral("Probe name\tPT25\tPT100");

// The file as the instrument writes it: UTF-16, little-endian, with mark, CR LF.
QByteArray utf16File(const QStringList& pLines, bool pBigEndian = false, const QString& pLineEnd = "\r\n")
{
    QString text;
    for (const QString& each : pLines)
        text += each + pLineEnd;
    QByteArray bytes = pBigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes += pBigEndian ? QByteArray{1, high} + QByteArray{1, low} : QByteArray{1, low} + QByteArray{1, high};
    }
    return bytes;
}

// A custom probe record of the first instrument variant (32 fields): a
// four-wire Pt100 on the EN 60751 curve, on no channel.
QString pt100Record(const QString& pName)
{
    QStringList fields{"1", pName, "450.0", "-200.0", "1", "100", "3.9083e-03", "-5.775e-07", "-4.183e-12"};
    while (fields.size() < 23)
        fields << "0";
    fields << "3"
           << "0"
           << "0"
           << "0"
           << "0"
           << "2"
           << "1"
           << "0"
           << "2";
    return fields.join(',');
}

struct TMessage
{
    QString mText;
    bool mWarning;
};
} // namespace

Q_DECLARE_METATYPE(TFields)

class tst_ProbeCoefficientImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();

    void valueOfAField_data();
    void valueOfAField();
    void probeKindFromTheFlags_data();
    void probeKindFromTheFlags();

    void exportedProbesImportUnchanged();
    void fileRefusedAsAWhole_data();
    void fileRefusedAsAWhole();
    void lineRefused_data();
    void lineRefused();
    void lineAccepted_data();
    void lineAccepted();
    void errorListOfTheReport_data();
    void errorListOfTheReport();
    void errorSummaryKeepsOnlyWhatItShows();
    void secondLineOfANewNameUpdates();
    void failedStoreIsReportedAndTheRunGoesOn_data();
    void failedStoreIsReportedAndTheRunGoesOn();
    void abortStopsAfterTheNextStoredLine_data();
    void abortStopsAfterTheNextStoredLine();

private:
    // pLoadFault: a line of the board's control interface given before the probes are loaded. None when a step of
    // the load failed the row.
    TProbeController* load(int pFilledSlots = 0, const QString& pLoadFault = QString());
    void releaseProbes();
    // Imports the file from pBytes and returns the messages shown, one after the other.
    TMessage import(const QByteArray& pBytes, bool pPressAbort = false);
    QStringList savesSinceLoad() const;
    QString control(const QString& pLine)
    {
        return TBoardControlInterpreter(mFixture->board().board()).execute(pLine).last();
    }

    std::unique_ptr<TProbeControllerFixture> mFixture;
    std::unique_ptr<TStandardProbeSettingController> mStandardSettings;
    int mCommandsAtLoad = 0;
    // The rows of a test function share one load (the board takes seconds to read its probe memory).
    QByteArray mLoadedFor;
    int mFilledSlots = -1;
    QString mLoadFault;
    std::set<int> mProbesAtLoad;
};

void tst_ProbeCoefficientImport::init()
{
    if (mLoadedFor != QTest::currentTestFunction())
        releaseProbes();
}

// A failed row may leave anything behind: the next one loads afresh.
void tst_ProbeCoefficientImport::cleanup()
{
    if (QTest::currentTestFailed())
        releaseProbes();
}

void tst_ProbeCoefficientImport::cleanupTestCase()
{
    releaseProbes();
}

void tst_ProbeCoefficientImport::releaseProbes()
{
    mFixture.reset();
    mStandardSettings.reset();
    TTamarindSettings::instance().removeSection("std_probe_settings");
    mLoadedFor.clear();
    mFilledSlots = -1;
    mLoadFault.clear();
    mProbesAtLoad.clear();
}

// New probes start three-wire, with a thermocouple junction on input 1. A row after the first of its test function
// finds the probes as loaded: what earlier rows created is deleted, the board's faults are cleared.
TProbeController* tst_ProbeCoefficientImport::load(int pFilledSlots, const QString& pLoadFault)
{
    if (mFixture && mFilledSlots == pFilledSlots && mLoadFault == pLoadFault) {
        TProbeController& probes = mFixture->probes();
        std::vector<TAbstractProbe*> created;
        for (const auto& entry : probes.customProbes()) {
            if (!mProbesAtLoad.count(entry.first))
                created.push_back(entry.second.get());
        }
        for (TAbstractProbe* probe : created) {
            if (!probes.deleteProbe(probe, true))
                qWarning("probe %s of an earlier row was not deleted", qPrintable(probe->probeName()));
        }
        mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
        mCommandsAtLoad = mFixture->board().commands().size();
        return &probes;
    }
    releaseProbes();
    mFixture = std::make_unique<TProbeControllerFixture>();
    if (QTest::currentTestFailed() || !identifyBoardAs(mFixture->board(), ZTM8800)) {
        if (!QTest::currentTestFailed())
            QTest::qFail("the board was not identified", __FILE__, __LINE__);
        releaseProbes();
        return nullptr;
    }
    for (int number = 1; number <= pFilledSlots; ++number)
        mFixture->board().board().withState([&](TBoardState& pState) {
            pState.mProbeMemory.fillSlot(number, pt100Record(QString("P%1").arg(number)));
        });
    if (!pLoadFault.isEmpty() && control(pLoadFault) != "OK")
        qWarning("the board did not take the fault %s", qPrintable(pLoadFault));
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue("std_probe_settings", "wiring", QString::number(w3wire));
    settings.setValue("std_probe_settings", "ref_junc", QString::number(rjChannel));
    settings.setValue("std_probe_settings", "ref_junc_channel", "1");
    mFixture->build();
    Ui_TTamarindMainForm& form = mFixture->ui();
    mStandardSettings = std::make_unique<TStandardProbeSettingController>(
        std::make_unique<TClickableWidgetController>(), &mFixture->controller(), form.BtnStdPrb_EN60751,
        form.BtnStdPrb_CVD, form.BtnStdPrb_ITS90, form.BtnStdPrb_4wire, form.BtnStdPrb_3wire, form.BtnStdPrb_ConvNone,
        form.BtnStdPrb_ConvSH, form.BtnStdPrb_ConvPoly, form.BtnStdPrb_IEC584, form.BtnStdPrb_Custom,
        form.BtnStdPrb_Internal, form.BtnStdPrb_External, form.BtnStdPrb_Channel, form.BtnStdRefJunc_Channel);
    TProbeController& probes = mFixture->buildProbes(true, false, mStandardSettings.get());
    if (QTest::currentTestFailed()) {
        releaseProbes();
        return nullptr;
    }
    mCommandsAtLoad = mFixture->board().commands().size();
    mLoadedFor = QTest::currentTestFunction();
    mFilledSlots = pFilledSlots;
    mLoadFault = pLoadFault;
    for (const auto& entry : probes.customProbes())
        mProbesAtLoad.insert(entry.first);
    return &probes;
}

QStringList tst_ProbeCoefficientImport::savesSinceLoad() const
{
    QStringList saves;
    for (const QByteArray& command : mFixture->board().commands().mid(mCommandsAtLoad)) {
        if (command.startsWith("prob:save"))
            saves << QString::fromLatin1(command);
    }
    return saves;
}

TMessage tst_ProbeCoefficientImport::import(const QByteArray& pBytes, bool pPressAbort)
{
    const QString path = TTestEnvironment::root() + "/media/usb/ZTM8800/probe_coefficients/import.txt";
    TTestEnvironment::removeUnderRoot(path);
    // The reason in place of the messages fails the caller's comparison with them.
    QString problem;
    if (!pBytes.isNull() &&
        !TTestEnvironment::writeDeviceFile("/media/usb/ZTM8800/probe_coefficients/import.txt", pBytes, &problem))
        return TMessage{problem, false};

    QList<TMessage> messages;
    const QImage warning = QPixmap(":/dialogs/warning").toImage();
    bool abortPressed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<TCalibrationProgressDialog*>(widget);
            if (pPressAbort && !abortPressed && progress && progress->isVisible()) {
                abortPressed = true;
                QTest::mouseClick(progress->findChild<QWidget*>("BtnAbort"), Qt::LeftButton);
            }
        }
        QWidget* modal = QApplication::activeModalWidget();
        auto* text = modal ? modal->findChild<QLabel*>("LblText") : nullptr;
        if (!text || !modal->isVisible())
            return;
        const QPixmap icon = modal->findChild<QLabel*>("label")->pixmap(Qt::ReturnByValue);
        messages << TMessage{text->text(), icon.toImage() == warning};
        QTest::mouseClick(modal->findChild<QWidget*>("BtnOK"), Qt::LeftButton);
    });
    poll.start(1);
    mFixture->probes().importProbeCoefficientsFromCSVFile(path);
    if (pPressAbort && !abortPressed)
        qWarning("Abort was never pressed");
    // More than one message shows in the text; a warning only when every message was one.
    TMessage shown{QString(), !messages.isEmpty()};
    QStringList texts;
    for (const TMessage& message : qAsConst(messages)) {
        texts << message.mText;
        shown.mWarning = shown.mWarning && message.mWarning;
    }
    shown.mText = texts.join(QStringLiteral("\n---\n"));
    return shown;
}

// --- the two helpers ------------------------------------------------------------------------

void tst_ProbeCoefficientImport::valueOfAField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    const double none = std::nan("");
    QTest::newRow("decimal point") << "12.5" << 12.5;
    QTest::newRow("decimal comma") << "12,5" << 12.5;
    QTest::newRow("exponent") << "-5,775e-07" << -5.775e-7;
    QTest::newRow("thousands separator and point") << "1,000.5" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("text") << "abc" << none;
    QTest::newRow("infinite") << "inf" << none;
    QTest::newRow("negative infinite") << "-inf" << none;
    QTest::newRow("not a number") << "nan" << none;
    QTest::newRow("out of double range") << "1e999" << none;
}

void tst_ProbeCoefficientImport::valueOfAField()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    const double read = TProbeController::coeffValueFromString(field);
    if (std::isnan(value))
        QVERIFY2(std::isnan(read), qPrintable(QString::number(read)));
    else
        QCOMPARE(read, value);
}

void tst_ProbeCoefficientImport::probeKindFromTheFlags_data()
{
    QTest::addColumn<TFields>("flags");
    QTest::addColumn<bool>("detected");
    QTest::addColumn<int>("prtType");
    QTest::addColumn<int>("tcType");
    QTest::addColumn<bool>("thermistor");
    QTest::newRow("PT25") << TFields{{1, "x"}} << true << int(prttPT25) << -1 << false;
    QTest::newRow("PT100 in capitals with blanks") << TFields{{2, " X "}} << true << int(prttPT100) << -1 << false;
    QTest::newRow("type B") << TFields{{3, "x"}} << true << -1 << int(ptB) << false;
    QTest::newRow("type E") << TFields{{4, "x"}} << true << -1 << int(ptE) << false;
    QTest::newRow("type J") << TFields{{5, "x"}} << true << -1 << int(ptJ) << false;
    QTest::newRow("type K") << TFields{{6, "x"}} << true << -1 << int(ptK) << false;
    QTest::newRow("type N") << TFields{{7, "x"}} << true << -1 << int(ptN) << false;
    QTest::newRow("type R") << TFields{{8, "x"}} << true << -1 << int(ptR) << false;
    QTest::newRow("type S") << TFields{{9, "x"}} << true << -1 << int(ptS) << false;
    QTest::newRow("type T") << TFields{{10, "x"}} << true << -1 << int(ptT) << false;
    QTest::newRow("thermistor") << TFields{{11, "x"}} << true << -1 << -1 << true;
    QTest::newRow("1, yes and an asterisk are no marks")
        << TFields{{1, "1"}, {2, "yes"}, {3, "*"}} << false << -1 << -1 << false;
    QTest::newRow("a mark in the name or range column is no flag")
        << TFields{{0, "x"}, {12, "x"}} << false << -1 << -1 << false;
    QTest::newRow("two marks: the later one is kept")
        << TFields{{1, "x"}, {2, "x"}, {10, "x"}} << false << int(prttPT100) << int(ptT) << false;
}

void tst_ProbeCoefficientImport::probeKindFromTheFlags()
{
    QFETCH(TFields, flags);
    EnPRTType prtType = prttUndefined;
    EnThermocoupleType tcType = ptUndefined;
    bool thermistor = false;
    QTEST(TProbeController::probeCoeffImportDetectProbeTypes(line(flags).split('\t'), prtType, tcType, thermistor),
          "detected");
    QTEST(int(prtType), "prtType");
    QTEST(int(tcType), "tcType");
    QTEST(thermistor, "thermistor");
}

// --- the import run ----------------------------------------------------------------------------

// What the instrument exported comes back unchanged into the probes of the
// same names, whatever was edited since; what the file does not hold stays.
void tst_ProbeCoefficientImport::exportedProbesImportUnchanged()
{
    TProbeController* const loaded = load();
    TAMARIND_END_FAILED_ROW();
    TProbeController& probes = *loaded;
    const QDate calibrated(2024, 2, 29);
    std::vector<std::unique_ptr<TAbstractProbe>> originals;
    originals.push_back(std::make_unique<TPRTProbe>(
        1, "CvD Pt100", prttPT100, true, 0, -200, 450, calibrated, false, w4wire, true, true, ZeroPointFiveMilliAmps,
        rprtAuto, cprtCVD, 100.0123, 3.90831e-3, -5.77512e-7, -4.18345e-12, NAN, NAN, NAN, NAN, NAN, NAN, NAN));
    originals.push_back(std::make_unique<TPRTProbe>(
        2, "SPRT 25", prttPT25, false, 0, -189.3442, 660.323, calibrated, false, w4wire, false, false, TwoMilliAmps,
        rprt25, cprtITS90, NAN, NAN, NAN, NAN, 25.54321, -1.23456e-4, 2.5e-5, 3.25e-6, -4.5e-7, 5.75e-8, -6.125e-9));
    originals.push_back(std::make_unique<TTCProbe>(3, "TC K cal", false, 0, -50, 1200, calibrated, false, ptK,
                                                   rjExternal, 0, ctcPolynomial, -50, 100, 1.5, -2.25e-2, 3.125e-4,
                                                   -4.5e-6, 100, 500, 1.75, -2.5e-2, 3.25e-4, -4.75e-6, 500, 1200, 2.0,
                                                   -2.75e-2, 3.375e-4, -5.0e-6));
    originals.push_back(std::make_unique<TThermistorProbe>(4, "NTC SH", false, 0, -40, 150, calibrated, false,
                                                           cthSteinhartHart, 1.12874e-3, 2.34124e-4, 8.76741e-8, NAN,
                                                           NAN, NAN, NAN));
    originals.push_back(std::make_unique<TThermistorProbe>(5, "NTC poly", false, 0, -40, 150, calibrated, false,
                                                           cthPolynomial, NAN, NAN, NAN, 1.25, -2.5e-2, 3.75e-4,
                                                           -5.0e-6));
    QString error;
    for (auto& probe : originals)
        QVERIFY(probes.newProbeCreated(nullptr, std::move(probe), error));
    const QStringList exported = probes.generateProbeCoefficientCSVList();

    // Edited since: another range and other coefficients on every probe.
    for (int number = 1; number <= 5; ++number) {
        TAbstractProbe* stored = probes.probeByNumber(number);
        std::unique_ptr<TAbstractProbe> edited;
        if (auto* prt = qobject_cast<TPRTProbe*>(stored))
            edited = std::make_unique<TPRTProbe>(number, prt->probeName(), prt->PRTType(), true, 0, 0, 100, calibrated,
                                                 false, prt->wiring(), true, false, prt->operationCurrentSetting(),
                                                 prt->internalResistor(), prt->conversion(), 1, 2, 3, 4, 5, 6, 7, 8, 9,
                                                 10, 11);
        else if (auto* tc = qobject_cast<TTCProbe*>(stored))
            edited = std::make_unique<TTCProbe>(number, tc->probeName(), false, 0, 0, 100, calibrated, false, ptK,
                                                rjExternal, 0, ctcIEC584, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                1, 1, 1);
        else
            edited = std::make_unique<TThermistorProbe>(number, stored->probeName(), false, 0, 0, 100, calibrated,
                                                        false, cthNone, 1, 1, 1, 1, 1, 1, 1);
        QVERIFY(probes.newProbeCreated(stored, std::move(edited), error));
    }
    QVERIFY(probes.generateProbeCoefficientCSVList() != exported);

    const TMessage report = import(utf16File(exported));
    QCOMPARE(report.mText, QStringLiteral("Import finished. Probes created: 0. Probes updated: 5."));
    QVERIFY(!report.mWarning);
    // Equal to the six digits the file carries.
    QCOMPARE(probes.generateProbeCoefficientCSVList(), exported);
    QCOMPARE(int(probes.customProbes().size()), 5);
    auto* cvd = qobject_cast<TPRTProbe*>(probes.probeByNumber(1));
    QVERIFY(cvd->isReference());
    QCOMPARE(cvd->lastCalDate(), calibrated);
    // The file carries none of these: wiring, keep-warm current, root-2 factor, operating current and internal
    // resistor stay as stored, none of them what a new probe would get (three-wire, off, off, by type, by type).
    const auto kept = [](const TPRTProbe* pProbe) {
        return QList<int>{pProbe->wiring(), pProbe->keepWarmCurrent(), pProbe->factorRoot2(),
                          pProbe->operationCurrentSetting(), pProbe->internalResistor()};
    };
    QCOMPARE(kept(cvd), (QList<int>{w4wire, true, true, ZeroPointFiveMilliAmps, rprtAuto}));
    QCOMPARE(kept(qobject_cast<TPRTProbe*>(probes.probeByNumber(2))),
             (QList<int>{w4wire, true, false, TwoMilliAmps, rprt25}));
    QCOMPARE(qobject_cast<TTCProbe*>(probes.probeByNumber(3))->referenceColdJunction(), rjExternal);
    QCOMPARE(savesSinceLoad().size(), 15);
}

void tst_ProbeCoefficientImport::fileRefusedAsAWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString format =
        "Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!";
    const QByteArray good = utf16File({HEADER, line(pt100("New"))});
    QTest::newRow("no file") << QByteArray() << "Unable to open file.";
    QTest::newRow("empty file") << QByteArray("") << format;
    QTest::newRow("the mark alone") << QByteArray("\xFF\xFE") << format;
    QTest::newRow("UTF-8 without mark") << QString(HEADER + "\r\n" + line(pt100("New"))).toUtf8() << format;
    QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF") + line(pt100("New")).toUtf8() << format;
    QTest::newRow("big-endian, first character below U+0100")
        << utf16File({HEADER, line(pt100("New"))}, true) << format;
    QTest::newRow("mark followed by two zero bytes") << QByteArray("\xFF\xFE\0\0", 4) + good.mid(2) << format;
    QTest::newRow("far larger than any coefficient file")
        << good + QByteArray(9 * 1024 * 1024, 'x') << "The import file is too large.";
}

// Nothing is stored and the probes stay as they were.
void tst_ProbeCoefficientImport::fileRefusedAsAWhole()
{
    QFETCH(QByteArray, bytes);
    TProbeController* const loaded = load();
    TAMARIND_END_FAILED_ROW();
    TProbeController& probes = *loaded;
    const TMessage report = import(bytes);
    QTEST(report.mText, "message");
    QVERIFY(report.mWarning);
    QVERIFY(probes.customProbes().empty());
    QCOMPARE(savesSinceLoad(), QStringList());
}

void tst_ProbeCoefficientImport::lineRefused_data()
{
    QTest::addColumn<TFields>("fields");
    QTest::addColumn<QString>("error");
    const TFields good = pt100("New");
    QTest::newRow("name with a character the rule refuses")
        << with(good, {{0, " bad;name "}}) << "Invalid probe name: bad;name";
    QTest::newRow("name missing") << with(good, {{0, QString()}}) << "Invalid probe name: ";
    QTest::newRow("T min text") << with(good, {{12, "abc"}}) << "Invalid value for Tmin: abc";
    QTest::newRow("T min empty") << with(good, {{12, QString()}}) << "Invalid value for Tmin: ";
    QTest::newRow("T min below -999") << with(good, {{12, "-999,1"}}) << "Invalid value for Tmin: -999,1";
    QTest::newRow("T min infinite") << with(good, {{12, "-inf"}}) << "Invalid value for Tmin: -inf";
    QTest::newRow("T max above 9999") << with(good, {{13, "9999.01"}}) << "Invalid value for Tmax: 9999.01";
    QTest::newRow("T min equal to T max")
        << with(good, {{12, "100"}, {13, "100"}}) << "Value for Tmin must be smaller than Tmax";
    QTest::newRow("T min above T max") << with(good, {{12, "101"}, {13, "100"}})
                                       << "Value for Tmin must be smaller than Tmax";
    QTest::newRow("no flag") << with(good, {{2, QString()}}) << "Unable to detect probe type";
    QTest::newRow("flag 1") << with(good, {{2, "1"}}) << "Unable to detect probe type";
    QTest::newRow("two flags") << with(good, {{11, "x"}}) << "Unable to detect probe type";
    QTest::newRow("no coefficient") << with(good, {{14, QString()}, {15, QString()}, {16, QString()}, {17, QString()}})
                                    << "Coefficients are empty.";
    QTest::newRow("an infinite coefficient")
        << with(good, {{14, "inf"}, {15, QString()}, {16, QString()}, {17, QString()}})
        << "Invalid coefficient value: inf";
    QTest::newRow("a coefficient that is no number") << with(good, {{15, "nan"}}) << "Invalid coefficient value: nan";
    QTest::newRow("blanks are an empty coefficient")
        << with(good, {{14, " "}, {15, QString()}, {16, QString()}, {17, QString()}}) << "Coefficients are empty.";
    QTest::newRow("CvD and ITS-90 both") << with(good, {{18, "100"}}) << "Ambiguous coefficient data found.";
    QTest::newRow("PT100 with Steinhart-Hart values")
        << TFields{{0, "New"}, {2, "x"}, {12, "0"}, {13, "100"}, {43, "1e-3"}}
        << "Invalid coefficients found. Please enter CvD or ITS90 coefficients.";
    QTest::newRow("thermocouple with CvD values") << with(good, {{2, QString()}, {6, "x"}})
                                                  << "Invalid coefficients found. Please enter thermocouple "
                                                     "coefficients.";
    QTest::newRow("thermistor with thermocouple values")
        << TFields{{0, "New"}, {11, "x"}, {12, "0"}, {13, "100"}, {27, "1"}}
        << "Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.";
    QTest::newRow("Pt25 named like a stored Pt100")
        << with(good, {{0, "P1"}, {1, "x"}, {2, QString()}})
        << "Probe P1 already exists and has a different probe type. Dataset will be ignored.";
    QTest::newRow("thermistor named like a stored Pt100")
        << TFields{{0, "P1"}, {11, "x"}, {12, "0"}, {13, "100"}, {43, "1e-3"}}
        << "Probe P1 already exists and has a different probe type. Dataset will be ignored.";
}

// The line is skipped, its error reported with its line number; nothing is stored.
void tst_ProbeCoefficientImport::lineRefused()
{
    QFETCH(TFields, fields);
    QFETCH(QString, error);
    TProbeController* const loaded = load(1);
    TAMARIND_END_FAILED_ROW();
    TProbeController& probes = *loaded;
    const TMessage report = import(utf16File({HEADER, line(fields)}));
    QCOMPARE(report.mText, "Import finished. Probes created: 0. Probes updated: 0.\nError in line 2: " + error +
                               "\nTotal error count: 1");
    QVERIFY(report.mWarning);
    QCOMPARE(int(probes.customProbes().size()), 1);
    QCOMPARE(savesSinceLoad(), QStringList());
}

void tst_ProbeCoefficientImport::lineAccepted_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const TFields fields = with(pt100(" New probe "), {{17, QString()}});
    const QString asWritten = line(fields);
    QTest::newRow("as the instrument writes it") << utf16File({HEADER, asWritten});
    QTest::newRow("line feeds only") << utf16File({HEADER, asWritten}, false, "\n");
    QTest::newRow("no line end after the last line") << utf16File({HEADER, asWritten}).chopped(4);
    QTest::newRow("big-endian, header beginning with Ł") << utf16File({"Łx" + HEADER, asWritten}, true);
    QTest::newRow("mark X with blanks") << utf16File({HEADER, line(with(fields, {{2, " X "}}))});
    QTest::newRow("decimal commas") << utf16File(
        {HEADER, line(with(fields, {{12, "-200,0"}, {14, "100,5"}, {15, "3,9e-03"}}))});
    QTest::newRow("fields after the last value left out")
        << utf16File({HEADER, asWritten.left(asWritten.indexOf("-5.8e-07") + 8)});
    QTest::newRow("fields after the fiftieth ignored") << utf16File({HEADER, asWritten + "\tx\t1\tjunk"});
    QTest::newRow("a UTF-16 file made elsewhere, empty lines around") << utf16File({"", HEADER, "  ", asWritten, ""});
}

// One three-wire Pt100 on CvD made of the line: its empty C is 0, the
// ITS-90 group stays without values.
void tst_ProbeCoefficientImport::lineAccepted()
{
    QFETCH(QByteArray, bytes);
    TProbeController* const loaded = load();
    TAMARIND_END_FAILED_ROW();
    TProbeController& probes = *loaded;
    const TMessage report = import(bytes);
    QCOMPARE(report.mText, QStringLiteral("Import finished. Probes created: 1. Probes updated: 0."));
    QVERIFY(!report.mWarning);
    auto* probe = qobject_cast<TPRTProbe*>(probes.probeByNumber(1));
    QVERIFY(probe);
    QCOMPARE(probe->probeName(), QStringLiteral("New probe"));
    QCOMPARE(probe->PRTType(), prttPT100);
    QCOMPARE(probe->Tmin(), -200.0);
    QCOMPARE(probe->Tmax(), 450.0);
    QCOMPARE(probe->conversion(), cprtCVD);
    QCOMPARE(probe->CvD_coeff_R0(), 100.5);
    QCOMPARE(probe->CvD_coeff_A(), 3.9e-3);
    QCOMPARE(probe->CvD_coeff_B(), -5.8e-7);
    QCOMPARE(probe->CvD_coeff_C(), 0.0);
    QVERIFY(std::isnan(probe->ITS90_coeff_R001()));
    QVERIFY(std::isnan(probe->ITS90_coeff_Dp()));
    QCOMPARE(probe->wiring(), w3wire);
    QCOMPARE(probe->operationCurrentSetting(), OneMilliAmp);
    QCOMPARE(probe->internalResistor(), rprt100);
    QVERIFY(!probe->isReference());
    QVERIFY(!probe->lastCalDate().isValid());
    QCOMPARE(savesSinceLoad().size(), 1);
}

void tst_ProbeCoefficientImport::errorListOfTheReport_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("report");
    const QString noFlag = line(with(pt100("New"), {{2, QString()}}));
    // Empty lines before and after the header count, and so does the mark's line.
    QTest::newRow("errors by physical line") << QStringList{"", HEADER, "", noFlag, "\t \t", noFlag}
                                             << "Import finished. Probes created: 0. Probes updated: 0.\n"
                                                "Error in line 4: Unable to detect probe type\n"
                                                "Error in line 6: Unable to detect probe type\n"
                                                "Total error count: 2";
    QStringList sevenErrors{HEADER};
    for (int i = 0; i < 7; ++i)
        sevenErrors << line(with(pt100("New"), {{12, QString::number(-1000 - i)}}));
    QTest::newRow("five errors listed, all counted") << (sevenErrors << line(pt100("Good")))
                                                     << "Import finished. Probes created: 1. Probes updated: 0.\n"
                                                        "Error in line 2: Invalid value for Tmin: -1000\n"
                                                        "Error in line 3: Invalid value for Tmin: -1001\n"
                                                        "Error in line 4: Invalid value for Tmin: -1002\n"
                                                        "Error in line 5: Invalid value for Tmin: -1003\n"
                                                        "Error in line 6: Invalid value for Tmin: -1004\n"
                                                        "Total error count: 7";
}

// A file within the size limit can hold hundreds of thousands of bad lines;
// the report shows five of their errors and the count.
void tst_ProbeCoefficientImport::errorSummaryKeepsOnlyWhatItShows()
{
    TImportErrorSummary errors;
    for (int lineNumber = 2; lineNumber <= 100001; ++lineNumber)
        errors.add(lineNumber, QString("error %1").arg(lineNumber));
    QCOMPARE(errors.count(), 100000);
    const std::vector<std::pair<int, QString>> firstFive{
        {2, "error 2"}, {3, "error 3"}, {4, "error 4"}, {5, "error 5"}, {6, "error 6"}};
    QVERIFY(errors.shown() == firstFive);
}

void tst_ProbeCoefficientImport::errorListOfTheReport()
{
    QFETCH(QStringList, lines);
    load();
    TAMARIND_END_FAILED_ROW();
    const TMessage report = import(utf16File(lines));
    QTEST(report.mText, "report");
    QVERIFY(report.mWarning);
}

// The probe the first line made is found by the second; a thermocouple takes
// the standard junction.
void tst_ProbeCoefficientImport::secondLineOfANewNameUpdates()
{
    TProbeController* const loaded = load();
    TAMARIND_END_FAILED_ROW();
    TProbeController& probes = *loaded;
    const TFields thermocouple{{0, "TC J"}, {5, "x"}, {12, "-40"}, {13, "750"}, {27, "1.5"}};
    const TMessage report =
        import(utf16File({HEADER, line(thermocouple), line(with(thermocouple, {{13, "760"}, {28, "2.5"}}))}));
    QCOMPARE(report.mText, QStringLiteral("Import finished. Probes created: 1. Probes updated: 1."));
    QCOMPARE(int(probes.customProbes().size()), 1);
    auto* probe = qobject_cast<TTCProbe*>(probes.probeByNumber(1));
    QVERIFY(probe);
    QCOMPARE(probe->probeType(), ptJ);
    QCOMPARE(probe->conversion(), ctcPolynomial);
    QCOMPARE(probe->Tmax(), 760.0);
    QCOMPARE(probe->poly_coeff_A0(), 1.5);
    QCOMPARE(probe->poly_coeff_A1(), 2.5);
    QCOMPARE(probe->poly_coeff_C3(), 0.0);
    QCOMPARE(probe->referenceColdJunction(), rjChannel);
    QCOMPARE(probe->refChannelNumber(), 1);
}

void tst_ProbeCoefficientImport::failedStoreIsReportedAndTheRunGoesOn_data()
{
    QTest::addColumn<int>("filledSlots");
    QTest::addColumn<QString>("loadFault");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("saves");
    QTest::newRow("full memory creates nothing but updates")
        << 80 << QString() << QString() << QStringList{"New", "P80"}
        << "Import finished. Probes created: 0. Probes updated: 1.\nError in line 2: Cannot create new probe, maximum "
           "number of probes reached.\nTotal error count: 1"
        << 1;
    QTest::newRow("memory read only up to a probe the board did not give")
        << 16 << "fault on \"prob:read? 17\" error 1 3" << QString() << QStringList{"New", "P16"}
        << "Import finished. Probes created: 0. Probes updated: 1.\nError in line 2: The probe memory of the "
           "measurement board could not be read completely. No new probe can be created until the instrument has "
           "been restarted.\nTotal error count: 1"
        << 1;
    QTest::newRow("board refuses the first store")
        << 0 << QString() << "fault on prob:save error 1 1" << QStringList{"First", "Second"}
        << "Import finished. Probes created: 1. Probes updated: 0.\n"
           "Error in line 2: \nTotal error count: 1"
        << 2;
}

// The first line's probe is not kept; the second line's probe is stored, made from its coefficients.
void tst_ProbeCoefficientImport::failedStoreIsReportedAndTheRunGoesOn()
{
    QFETCH(int, filledSlots);
    QFETCH(QString, loadFault);
    QFETCH(QString, fault);
    QFETCH(QStringList, names);
    TProbeController* const loaded = load(filledSlots, loadFault);
    TAMARIND_END_FAILED_ROW();
    TProbeController& probes = *loaded;
    if (!fault.isEmpty())
        QCOMPARE(control(fault), QStringLiteral("OK"));
    const TMessage report = import(utf16File({HEADER, line(pt100(names[0])), line(pt100(names[1]))}));
    QTEST(report.mText, "report");
    QVERIFY(report.mWarning);
    QVERIFY(probes.probesByName(names[0]).empty());
    QCOMPARE(int(probes.probesByName(names[1]).size()), 1);
    QCOMPARE(qobject_cast<TPRTProbe*>(probes.probesByName(names[1]).front())->conversion(), cprtCVD);
    QTEST(int(savesSinceLoad().size()), "saves");
}

void tst_ProbeCoefficientImport::abortStopsAfterTheNextStoredLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("summary");
    const QString bad = line(with(pt100("Bad"), {{2, QString()}}));
    QTest::newRow("failing line, then two good ones")
        << QStringList{HEADER, bad, line(pt100("A")), line(pt100("B"))}
        << "Import aborted. Probes created: 1. Probes updated: 0.\nError in line 2: Unable to detect probe type\n"
           "Total error count: 1";
    QTest::newRow("only failing lines are all read")
        << QStringList{HEADER, bad, bad, bad}
        << "Import aborted. Probes created: 0. Probes updated: 0.\nError in line 2: Unable to detect probe type\n"
           "Error in line 3: Unable to detect probe type\nError in line 4: Unable to detect probe type\n"
           "Total error count: 3";
}

// Abort is pressed as soon as the progress shows.
void tst_ProbeCoefficientImport::abortStopsAfterTheNextStoredLine()
{
    QFETCH(QStringList, lines);
    TProbeController* const loaded = load();
    TAMARIND_END_FAILED_ROW();
    TProbeController& probes = *loaded;
    const TMessage report = import(utf16File(lines), true);
    QTEST(report.mText, "summary");
    QVERIFY(report.mWarning);
    QVERIFY(probes.probesByName("B").empty());
}

TAMARIND_TEST_MAIN(tst_ProbeCoefficientImport)
#include "tst_probecoefficientimport.moc"
