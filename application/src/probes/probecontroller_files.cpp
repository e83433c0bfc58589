// The probe files of the probe database: the probe tables of a log file's
// header, the readable probe descriptions and the coefficient table that
// travels over the USB stick in both directions.

#include "probecontroller.h"

#include "calibrationprogressdialog.h"
#include "channel.h"
#include "channelcontroller.h"
#include "decimaldisplaycontroller.h"
#include "deviceroot.h"
#include "filesystemsync.h"
#include "importerrorsummary.h"
#include "instrumentinfo.h"
#include "messagedialog.h"
#include "printfnumber.h"
#include "probe.h"
#include "probecoefficientset.h"
#include "regularfile.h"
#include "standardprobesettingcontroller.h"
#include "tamarindclock.h"
#include "usbstickcontroller.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTextCodec>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

using namespace Probe_enums;

namespace
{
// Written on the stick beside the instrument's base directory.
const QString PROBE_DATA_DIRECTORY = QStringLiteral("Probe_Data");

// A coefficient file describes at most 80 probes in well under a megabyte;
// anything far larger is not one, and reading it whole into memory on the
// instrument is not an option.
constexpr qint64 MAX_COEFF_IMPORT_FILE_SIZE = 8 * 1024 * 1024;

// The five coefficient groups of a coefficient file line: keys in column order.
struct TCoefficientGroup
{
    int mFirstColumn;
    QStringList mKeys;
};

const TCoefficientGroup& cvdGroup()
{
    static const TCoefficientGroup group{TProbeController::COEFF_EXPORT_COL_INDEX_HEADER_PRT_CVD_R0,
                                         {"R0", "A", "B", "C"}};
    return group;
}

const TCoefficientGroup& its90Group()
{
    static const TCoefficientGroup group{TProbeController::COEFF_EXPORT_COL_INDEX_HEADER_PRT_ITS90_R001,
                                         {"R001", "An", "Bn", "Ap", "Bp", "Cp", "Dp"}};
    return group;
}

const TCoefficientGroup& thermocoupleGroup()
{
    static const TCoefficientGroup group{TProbeController::COEFF_EXPORT_COL_INDEX_HEADER_TC_TA_MIN,
                                         {"Ta min", "Ta max", "a0", "a1", "a2", "a3", "Tb min", "Tb max", "b0", "b1",
                                          "b2", "b3", "Tc min", "Tc max", "c0", "c1", "c2", "c3"}};
    return group;
}

const TCoefficientGroup& steinhartHartGroup()
{
    static const TCoefficientGroup group{TProbeController::COEFF_EXPORT_COL_INDEX_HEADER_THERM_SH_A, {"a", "b", "c"}};
    return group;
}

const TCoefficientGroup& thermistorPolynomialGroup()
{
    static const TCoefficientGroup group{TProbeController::COEFF_EXPORT_COL_INDEX_HEADER_THERM_POLY_C0,
                                         {"c0", "c1", "c2", "c3"}};
    return group;
}

TProbeCoefficientSet readGroup(const TCoefficientGroup& pGroup, const QStringList& pFields)
{
    TProbeCoefficientSet set;
    for (int index = 0; index < pGroup.mKeys.size(); ++index)
        set.addCoefficient(pGroup.mKeys[index],
                           TProbeController::coeffValueFromString(pFields[pGroup.mFirstColumn + index]));
    return set;
}

// The group's values in key order, a missing one as 0.
QList<double> groupValues(const TCoefficientGroup& pGroup, const TProbeCoefficientSet& pSet)
{
    QList<double> values;
    for (const QString& key : pGroup.mKeys)
        values << pSet.coefficient(key, 0.0);
    return values;
}

void writeGroup(QStringList& ioFields, int pFirstColumn, const QList<double>& pValues, const QList<bool>& pScientific)
{
    for (int index = 0; index < pValues.size(); ++index)
        ioFields[pFirstColumn + index] = pScientific[index] ? TProbeController::double2scientific_str(pValues[index])
                                                            : TProbeController::double2str(pValues[index]);
}

// Which columns of a group hold a temperature or resistance ("%g") rather than
// a coefficient ("%.5e").
QList<bool> scientificColumns(std::initializer_list<int> pPlainColumns, int pCount)
{
    QList<bool> scientific;
    for (int index = 0; index < pCount; ++index)
        scientific << (std::find(pPlainColumns.begin(), pPlainColumns.end(), index) == pPlainColumns.end());
    return scientific;
}

QString decimal6(double pValue)
{
    return TDecimalDisplayController::instance().Double2Str(pValue);
}

QString scientific5(double pValue)
{
    return TDecimalDisplayController::instance().Double2ScientificStr(pValue, 5);
}
} // namespace

// --- number forms -------------------------------------------------------------

QString TProbeController::double2str(double pValue)
{
    // The C library writes a NaN with its sign bit as "-nan"; the file has one word for it.
    return std::isnan(pValue) ? QStringLiteral("nan") : TPrintfNumber::general(pValue, 6);
}

QString TProbeController::double2scientific_str(double pValue)
{
    return std::isnan(pValue) ? QStringLiteral("nan") : TPrintfNumber::scientific(pValue, 5);
}

// --- probe tables of the log file header ---------------------------------------------

void TProbeController::generateProbeCSVLists(const zelk::vector<TAbstractProbe*>& pProbes, bool pCreateHeadlines,
                                             QStringList& oPRTProbes, QStringList& oThermocoupleProbes,
                                             QStringList& oThermistorProbes) const
{
    const QString separator = QStringLiteral(";");
    const auto channelCaption = [this](int pChannelNumber) {
        TPhysicalChannel* channel = mChannelController ? mChannelController->physical_channel(pChannelNumber) : nullptr;
        return channel ? channel->channelCaption() : QStringLiteral("0");
    };
    // A SMART probe is not assigned through the database: it names the input it is plugged into.
    const auto probeChannelCaption = [&channelCaption](const TAbstractProbe& pProbe) {
        const auto* smart = qobject_cast<const TSmartProbePRT*>(&pProbe);
        if (smart && smart->connectedChannel())
            return smart->connectedChannel()->channelCaption();
        return channelCaption(pProbe.channelNumber());
    };
    // A limit the probe does not carry (a SMART probe carries none) stays an empty cell.
    const auto limit = [](double pValue) { return std::isnan(pValue) ? QString() : double2str(pValue); };
    const auto yesNo = [](bool pValue) { return pValue ? tr("yes") : tr("no"); };
    const auto isZTM9900 = [] { return TInstrumentInfo::instance()->instrumentType() == ZTM9900; };

    if (pCreateHeadlines) {
        const QStringList common{
            tr("Probe name", "Header for logfile export of probe data"),
            tr("Channel", "Header for logfile export of probe data"),
            tr("Is reference", "Header for logfile export of probe data. Indicates if the probe is a reference probe."),
            tr("T min.", "Header for logfile export of probe data"),
            tr("T max.", "Header for logfile export of probe data"),
            tr("Last calibration", "Header for logfile export of probe data")};

        QStringList prt = common;
        prt << tr("Wiring", "Header for logfile export of probe data")
            << tr("Internal resistor", "Header for logfile export of probe data")
            << tr("Conversion", "Header for logfile export of probe data")
            << tr("PRT type", "Header for logfile export of probe data")
            << tr("Standby current", "Header for logfile export of probe data");
        if (isZTM9900())
            prt << tr("Excitation current", "Header for logfile export of probe data");
        prt << tr("CvD coefficient R0", "Header for logfile export of probe data")
            << tr("CvD coefficient A", "Header for logfile export of probe data")
            << tr("CvD coefficient B", "Header for logfile export of probe data")
            << tr("CvD coefficient C", "Header for logfile export of probe data")
            << tr("ITS 90 coefficient R001", "Header for logfile export of probe data")
            << tr("ITS 90 coefficient A", "Header for logfile export of probe data")
            << tr("ITS 90 coefficient B", "Header for logfile export of probe data")
            << tr("ITS 90 coefficient Ap", "Header for logfile export of probe data")
            << tr("ITS 90 coefficient Bp", "Header for logfile export of probe data")
            << tr("ITS 90 coefficient Cp", "Header for logfile export of probe data")
            << tr("ITS 90 coefficient Dp", "Header for logfile export of probe data");

        QStringList thermocouple = common;
        thermocouple << tr("Thermocouple type", "Header for logfile export of probe data")
                     << tr("Cold junction compensation", "Header for logfile export of probe data")
                     << tr("Reference channel", "Header for logfile export of probe data")
                     << tr("Conversion", "Header for logfile export of probe data")
                     << tr("Coefficient Ta min.", "Header for logfile export of probe data")
                     << tr("Coefficient Ta max.", "Header for logfile export of probe data")
                     << tr("Coefficient A0", "Header for logfile export of probe data")
                     << tr("Coefficient A1", "Header for logfile export of probe data")
                     << tr("Coefficient A2", "Header for logfile export of probe data")
                     << tr("Coefficient A3", "Header for logfile export of probe data")
                     << tr("Coefficient Tb min.", "Header for logfile export of probe data")
                     << tr("Coefficient Tb max.", "Header for logfile export of probe data")
                     << tr("Coefficient B0", "Header for logfile export of probe data")
                     << tr("Coefficient B1", "Header for logfile export of probe data")
                     << tr("Coefficient B2", "Header for logfile export of probe data")
                     << tr("Coefficient B3", "Header for logfile export of probe data")
                     << tr("Coefficient Tc min.", "Header for logfile export of probe data")
                     << tr("Coefficient Tc max.", "Header for logfile export of probe data")
                     << tr("Coefficient C0", "Header for logfile export of probe data")
                     << tr("Coefficient C1", "Header for logfile export of probe data")
                     << tr("Coefficient C2", "Header for logfile export of probe data")
                     << tr("Coefficient C3", "Header for logfile export of probe data");

        QStringList thermistor = common;
        thermistor << tr("Conversion", "Header for logfile export of probe data")
                   << tr("SH coefficient A", "Header for logfile export of probe data")
                   << tr("SH coefficient B", "Header for logfile export of probe data")
                   << tr("SH coefficient C", "Header for logfile export of probe data")
                   << tr("Polynomial coefficient C0", "Header for logfile export of probe data")
                   << tr("Polynomial coefficient C1", "Header for logfile export of probe data")
                   << tr("Polynomial coefficient C2", "Header for logfile export of probe data")
                   << tr("Polynomial coefficient C3", "Header for logfile export of probe data");

        oPRTProbes << prt.join(separator);
        oThermocoupleProbes << thermocouple.join(separator);
        oThermistorProbes << thermistor.join(separator);
    }

    for (TAbstractProbe* probe : pProbes) {
        if (!probe)
            continue;
        QStringList cells{probe->probeName(),          probeChannelCaption(*probe),
                          yesNo(probe->isReference()), limit(probe->Tmin()),
                          limit(probe->Tmax()),        TTamarindClock::instance().getDateString(probe->lastCalDate())};

        if (const auto* prt = qobject_cast<const TPRTProbe*>(probe)) {
            cells << (prt->wiring() == w3wire ? tr("3-wire") : tr("4-wire"));
            switch (prt->internalResistor()) {
            case rprt25:
                cells << tr("25 Ohm");
                break;
            case rprt100:
                cells << tr("100 Ohm");
                break;
            default:
                cells << tr("Auto");
                break;
            }
            const EnConvPRT conversion = prt->conversion();
            cells << (conversion == cprtCVD ? tr("CvD") : conversion == cprtITS90 ? tr("ITS 90") : tr("EN 60751"));
            cells << (prt->PRTType() == prttPT25 ? tr("Pt25") : tr("Pt100"));
            cells << yesNo(prt->keepWarmCurrent());
            if (isZTM9900())
                cells << prt->operatingCurrentSettingToText();
            QStringList coefficients;
            for (int i = 0; i < 11; ++i)
                coefficients << QStringLiteral("0");
            if (conversion == cprtEN60751 || conversion == cprtCVD) {
                coefficients[0] = decimal6(prt->CvD_coeff_R0());
                coefficients[1] = scientific5(prt->CvD_coeff_A());
                coefficients[2] = scientific5(prt->CvD_coeff_B());
                coefficients[3] = scientific5(prt->CvD_coeff_C());
            } else if (conversion == cprtITS90) {
                coefficients[4] = decimal6(prt->ITS90_coeff_R001());
                coefficients[5] = scientific5(prt->ITS90_coeff_A());
                coefficients[6] = scientific5(prt->ITS90_coeff_B());
                coefficients[7] = scientific5(prt->ITS90_coeff_Ap());
                coefficients[8] = scientific5(prt->ITS90_coeff_Bp());
                coefficients[9] = scientific5(prt->ITS90_coeff_Cp());
                coefficients[10] = scientific5(prt->ITS90_coeff_Dp());
            }
            oPRTProbes << (cells + coefficients).join(separator);
        } else if (const auto* thermocouple = qobject_cast<const TTCProbe*>(probe)) {
            switch (thermocouple->probeType()) {
            case ptB:
                cells << tr("B", "Thermocouple type");
                break;
            case ptC:
                cells << tr("C", "Thermocouple type");
                break;
            case ptD:
                cells << tr("D", "Thermocouple type");
                break;
            case ptE:
                cells << tr("E", "Thermocouple type");
                break;
            case ptJ:
                cells << tr("J", "Thermocouple type");
                break;
            case ptK:
                cells << tr("K", "Thermocouple type");
                break;
            case ptN:
                cells << tr("N", "Thermocouple type");
                break;
            case ptR:
                cells << tr("R", "Thermocouple type");
                break;
            case ptS:
                cells << tr("S", "Thermocouple type");
                break;
            default:
                cells << tr("T", "Thermocouple type");
                break;
            }
            switch (thermocouple->referenceColdJunction()) {
            case rjInternal:
                cells << tr("Internal", "Cold junction compensation");
                break;
            case rjExternal:
                cells << tr("External", "Cold junction compensation");
                break;
            default:
                cells << tr("Channel", "Cold junction compensation");
                break;
            }
            cells << channelCaption(thermocouple->refChannelNumber());
            cells << (thermocouple->conversion() == ctcPolynomial ? tr("Polynomial") : tr("IEC 584"));
            cells << decimal6(thermocouple->poly_coeff_Ta_min()) << decimal6(thermocouple->poly_coeff_Ta_max())
                  << scientific5(thermocouple->poly_coeff_A0()) << scientific5(thermocouple->poly_coeff_A1())
                  << scientific5(thermocouple->poly_coeff_A2()) << scientific5(thermocouple->poly_coeff_A3())
                  << decimal6(thermocouple->poly_coeff_Tb_min()) << decimal6(thermocouple->poly_coeff_Tb_max())
                  << scientific5(thermocouple->poly_coeff_B0()) << scientific5(thermocouple->poly_coeff_B1())
                  << scientific5(thermocouple->poly_coeff_B2()) << scientific5(thermocouple->poly_coeff_B3())
                  << decimal6(thermocouple->poly_coeff_Tc_min()) << decimal6(thermocouple->poly_coeff_Tc_max())
                  << scientific5(thermocouple->poly_coeff_C0()) << scientific5(thermocouple->poly_coeff_C1())
                  << scientific5(thermocouple->poly_coeff_C2()) << scientific5(thermocouple->poly_coeff_C3());
            oThermocoupleProbes << cells.join(separator);
        } else if (const auto* thermistor = qobject_cast<const TThermistorProbe*>(probe)) {
            const EnConvThermistor conversion = thermistor->conversion();
            cells << (conversion == cthSteinhartHart ? tr("Steinhart-Hart")
                      : conversion == cthPolynomial  ? tr("Polynomial")
                                                     : tr("None", "Thermistor conversion"));
            QStringList coefficients;
            for (int i = 0; i < 7; ++i)
                coefficients << QStringLiteral("0");
            if (conversion == cthSteinhartHart) {
                coefficients[0] = scientific5(thermistor->SH_coeff_a());
                coefficients[1] = scientific5(thermistor->SH_coeff_b());
                coefficients[2] = scientific5(thermistor->SH_coeff_c());
            } else if (conversion == cthPolynomial) {
                coefficients[3] = scientific5(thermistor->Poly_coeff_c0());
                coefficients[4] = scientific5(thermistor->Poly_coeff_c1());
                coefficients[5] = scientific5(thermistor->Poly_coeff_c2());
                coefficients[6] = scientific5(thermistor->Poly_coeff_c3());
            }
            oThermistorProbes << (cells + coefficients).join(separator);
        }
    }
}

// --- probe information files -----------------------------------------------------------

bool TProbeController::downloadCustomProbeInfo() const
{
    zelk::vector<TAbstractProbe*> probes;
    for (const auto& entry : mCustomProbes)
        probes << entry.second.get();
    if (probes.empty()) {
        TMessageDialog().showInfo(tr("The instrument does not contain any custom probes."));
        return false;
    }
    return downloadProbeInfo(probes, QStringLiteral("all_probes"));
}

bool TProbeController::downloadProbeInfo(const zelk::vector<TAbstractProbe*>& pProbes,
                                         const QString& pFilenamePostfix) const
{
    const QString fileName = TTamarindClock::instance().getDateTimeFileName(QDateTime::currentDateTime()) +
                             QLatin1Char('_') + pFilenamePostfix + QStringLiteral(".txt");
    return downloadProbeInfoInternal(pProbes, fileName);
}

bool TProbeController::downloadProbeInfoInternal(const zelk::vector<TAbstractProbe*>& pProbes,
                                                 const QString& pFilename) const
{
    if (pProbes.empty())
        return false;
    const auto failed = [] {
        TMessageDialog().showError(tr("Could not create file."));
        return false;
    };
    // Without a stick the mount point is an empty directory of the device (or
    // a link leading nowhere): the file would land in internal storage, or
    // nowhere, while the download menu reports it complete.
    TAbstractUSBStickController* stick = TUSBStickControllerProvider::getUSBStickController();
    if (!stick || !stick->isUSBStickConnected())
        return failed();

    // The stick is foreign ground: a link there, at the file's name or as one
    // of its folders, would have the file written elsewhere, and a FIFO would
    // hold the program. Only the mount point itself is taken as it stands.
    const QString path = stick->pathOnStick(PROBE_DATA_DIRECTORY) + QLatin1Char('/') + pFilename;
    QFile file(path);
    bool created = false;
    if (!TRegularFile::openForAppending(file, TDeviceRoot::path(stick->mountPoint()), created))
        return failed();

    const qint64 formerSize = file.size();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    // A file of the same name is extended; a second mark in its middle would
    // be read as a stray character.
    stream.setGenerateByteOrderMark(formerSize == 0);
    for (TAbstractProbe* probe : pProbes) {
        if (probe)
            stream << probe->probeDataToText();
    }
    stream.flush();
    // A stick pulled while writing, or a full one, shows only here.
    const bool written = stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    if (TFileSystemSync::syncOpenFile(file, path) && written)
        return true;
    // A full stick fails the sync; what fitted of this download goes again, an
    // earlier download of the same name stays. Only a file this download made
    // is removed.
    if (created) {
        file.close();
        QFile::remove(path);
    } else {
        file.resize(formerSize);
    }
    return failed();
}

// --- coefficient file ----------------------------------------------------------------------

QStringList TProbeController::generateProbeCoefficientCSVList() const
{
    const QStringList header{//: Probe export CSV file header
                             tr("Probe name"),
                             //: Probe export CSV file header
                             tr("PT25"),
                             //: Probe export CSV file header
                             tr("PT100"),
                             //: Probe export CSV file header
                             tr("Thermocouple B"),
                             //: Probe export CSV file header
                             tr("Thermocouple E"),
                             //: Probe export CSV file header
                             tr("Thermocouple J"),
                             //: Probe export CSV file header
                             tr("Thermocouple K"),
                             //: Probe export CSV file header
                             tr("Thermocouple N"),
                             //: Probe export CSV file header
                             tr("Thermocouple R"),
                             //: Probe export CSV file header
                             tr("Thermocouple S"),
                             //: Probe export CSV file header
                             tr("Thermocouple T"),
                             //: Probe export CSV file header
                             tr("Thermistor"),
                             //: Probe export CSV file header
                             tr("T min"),
                             //: Probe export CSV file header
                             tr("T max"),
                             //: Probe export CSV file header
                             tr("PRT CvD R0"),
                             //: Probe export CSV file header
                             tr("PRT CvD A"),
                             //: Probe export CSV file header
                             tr("PRT CvD B"),
                             //: Probe export CSV file header
                             tr("PRT CvD C"),
                             //: Probe export CSV file header
                             tr("PRT ITS90 R0.01"),
                             //: Probe export CSV file header
                             tr("PRT ITS90 an"),
                             //: Probe export CSV file header
                             tr("PRT ITS90 bn"),
                             //: Probe export CSV file header
                             tr("PRT ITS90 ap"),
                             //: Probe export CSV file header
                             tr("PRT ITS90 bp"),
                             //: Probe export CSV file header
                             tr("PRT ITS90 cp"),
                             //: Probe export CSV file header
                             tr("PRT ITS90 dp"),
                             //: Probe export CSV file header
                             tr("Thermocouple Ta min"),
                             //: Probe export CSV file header
                             tr("Thermocouple Ta max"),
                             //: Probe export CSV file header
                             tr("Thermocouple a0"),
                             //: Probe export CSV file header
                             tr("Thermocouple a1"),
                             //: Probe export CSV file header
                             tr("Thermocouple a2"),
                             //: Probe export CSV file header
                             tr("Thermocouple a3"),
                             //: Probe export CSV file header
                             tr("Thermocouple Tb min"),
                             //: Probe export CSV file header
                             tr("Thermocouple Tb max"),
                             //: Probe export CSV file header
                             tr("Thermocouple b0"),
                             //: Probe export CSV file header
                             tr("Thermocouple b1"),
                             //: Probe export CSV file header
                             tr("Thermocouple b2"),
                             //: Probe export CSV file header
                             tr("Thermocouple b3"),
                             //: Probe export CSV file header
                             tr("Thermocouple Tc min"),
                             //: Probe export CSV file header
                             tr("Thermocouple Tc max"),
                             //: Probe export CSV file header
                             tr("Thermocouple c0"),
                             //: Probe export CSV file header
                             tr("Thermocouple c1"),
                             //: Probe export CSV file header
                             tr("Thermocouple c2"),
                             //: Probe export CSV file header
                             tr("Thermocouple c3"),
                             //: Probe export CSV file header
                             tr("Thermistor Steinhart-Hart a"),
                             //: Probe export CSV file header
                             tr("Thermistor Steinhart-Hart b"),
                             //: Probe export CSV file header
                             tr("Thermistor Steinhart-Hart c"),
                             //: Probe export CSV file header
                             tr("Thermistor Polynomial c0"),
                             //: Probe export CSV file header
                             tr("Thermistor Polynomial c1"),
                             //: Probe export CSV file header
                             tr("Thermistor Polynomial c2"),
                             //: Probe export CSV file header
                             tr("Thermistor Polynomial c3")};

    QStringList lines{header.join(mCoeffExportFieldDelimiter)};
    for (const auto& entry : mCustomProbes) {
        const TAbstractProbe* probe = entry.second.get();
        QStringList fields;
        for (int i = 0; i < COEFF_EXPORT_COL_COUNT; ++i)
            fields << QString();
        fields[COEFF_EXPORT_COL_INDEX_HEADER_PROBE_NAME] = probe->probeName();
        fields[COEFF_EXPORT_COL_INDEX_HEADER_T_MIN] = double2str(probe->Tmin());
        fields[COEFF_EXPORT_COL_INDEX_HEADER_T_MAX] = double2str(probe->Tmax());
        const QString mark = QStringLiteral("x");

        if (const auto* prt = qobject_cast<const TPRTProbe*>(probe)) {
            if (prt->PRTType() == prttPT25)
                fields[COEFF_EXPORT_COL_INDEX_HEADER_PT25] = mark;
            else if (prt->PRTType() == prttPT100)
                fields[COEFF_EXPORT_COL_INDEX_HEADER_PT100] = mark;
            if (prt->conversion() == cprtCVD)
                writeGroup(fields, COEFF_EXPORT_COL_INDEX_HEADER_PRT_CVD_R0,
                           {prt->CvD_coeff_R0(), prt->CvD_coeff_A(), prt->CvD_coeff_B(), prt->CvD_coeff_C()},
                           scientificColumns({0}, 4));
            else if (prt->conversion() == cprtITS90)
                writeGroup(fields, COEFF_EXPORT_COL_INDEX_HEADER_PRT_ITS90_R001,
                           {prt->ITS90_coeff_R001(), prt->ITS90_coeff_A(), prt->ITS90_coeff_B(), prt->ITS90_coeff_Ap(),
                            prt->ITS90_coeff_Bp(), prt->ITS90_coeff_Cp(), prt->ITS90_coeff_Dp()},
                           scientificColumns({0}, 7));
        } else if (const auto* thermocouple = qobject_cast<const TTCProbe*>(probe)) {
            static const std::map<EnThermocoupleType, int> flagColumn{
                {ptB, COEFF_EXPORT_COL_INDEX_HEADER_TC_B}, {ptE, COEFF_EXPORT_COL_INDEX_HEADER_TC_E},
                {ptJ, COEFF_EXPORT_COL_INDEX_HEADER_TC_J}, {ptK, COEFF_EXPORT_COL_INDEX_HEADER_TC_K},
                {ptN, COEFF_EXPORT_COL_INDEX_HEADER_TC_N}, {ptR, COEFF_EXPORT_COL_INDEX_HEADER_TC_R},
                {ptS, COEFF_EXPORT_COL_INDEX_HEADER_TC_S}, {ptT, COEFF_EXPORT_COL_INDEX_HEADER_TC_T}};
            const auto column = flagColumn.find(thermocouple->probeType());
            if (column != flagColumn.end())
                fields[column->second] = mark;
            if (thermocouple->conversion() == ctcPolynomial)
                writeGroup(fields, COEFF_EXPORT_COL_INDEX_HEADER_TC_TA_MIN,
                           {thermocouple->poly_coeff_Ta_min(), thermocouple->poly_coeff_Ta_max(),
                            thermocouple->poly_coeff_A0(), thermocouple->poly_coeff_A1(), thermocouple->poly_coeff_A2(),
                            thermocouple->poly_coeff_A3(), thermocouple->poly_coeff_Tb_min(),
                            thermocouple->poly_coeff_Tb_max(), thermocouple->poly_coeff_B0(),
                            thermocouple->poly_coeff_B1(), thermocouple->poly_coeff_B2(), thermocouple->poly_coeff_B3(),
                            thermocouple->poly_coeff_Tc_min(), thermocouple->poly_coeff_Tc_max(),
                            thermocouple->poly_coeff_C0(), thermocouple->poly_coeff_C1(), thermocouple->poly_coeff_C2(),
                            thermocouple->poly_coeff_C3()},
                           scientificColumns({0, 1, 6, 7, 12, 13}, 18));
        } else if (const auto* thermistor = qobject_cast<const TThermistorProbe*>(probe)) {
            fields[COEFF_EXPORT_COL_INDEX_HEADER_THERMISTOR] = mark;
            if (thermistor->conversion() == cthSteinhartHart)
                writeGroup(fields, COEFF_EXPORT_COL_INDEX_HEADER_THERM_SH_A,
                           {thermistor->SH_coeff_a(), thermistor->SH_coeff_b(), thermistor->SH_coeff_c()},
                           scientificColumns({}, 3));
            else if (thermistor->conversion() == cthPolynomial)
                writeGroup(fields, COEFF_EXPORT_COL_INDEX_HEADER_THERM_POLY_C0,
                           {thermistor->Poly_coeff_c0(), thermistor->Poly_coeff_c1(), thermistor->Poly_coeff_c2(),
                            thermistor->Poly_coeff_c3()},
                           scientificColumns({}, 4));
        }
        lines << fields.join(mCoeffExportFieldDelimiter);
    }
    return lines;
}

// --- coefficient import ---------------------------------------------------------------------

bool TProbeController::probeCoeffImportDetectProbeTypes(const QStringList& pTokens, EnPRTType& oPRTType,
                                                        EnThermocoupleType& oTCType, bool& oThermistor)
{
    static const std::map<int, EnThermocoupleType> thermocoupleColumns{
        {COEFF_EXPORT_COL_INDEX_HEADER_TC_B, ptB}, {COEFF_EXPORT_COL_INDEX_HEADER_TC_E, ptE},
        {COEFF_EXPORT_COL_INDEX_HEADER_TC_J, ptJ}, {COEFF_EXPORT_COL_INDEX_HEADER_TC_K, ptK},
        {COEFF_EXPORT_COL_INDEX_HEADER_TC_N, ptN}, {COEFF_EXPORT_COL_INDEX_HEADER_TC_R, ptR},
        {COEFF_EXPORT_COL_INDEX_HEADER_TC_S, ptS}, {COEFF_EXPORT_COL_INDEX_HEADER_TC_T, ptT}};
    int marks = 0;
    for (int column = COEFF_EXPORT_COL_INDEX_HEADER_PT25;
         column <= COEFF_EXPORT_COL_INDEX_HEADER_THERMISTOR && column < pTokens.size(); ++column) {
        if (pTokens[column].trimmed().toLower() != QLatin1String("x"))
            continue;
        ++marks;
        if (column == COEFF_EXPORT_COL_INDEX_HEADER_PT25)
            oPRTType = prttPT25;
        else if (column == COEFF_EXPORT_COL_INDEX_HEADER_PT100)
            oPRTType = prttPT100;
        else if (column == COEFF_EXPORT_COL_INDEX_HEADER_THERMISTOR)
            oThermistor = true;
        else
            oTCType = thermocoupleColumns.at(column);
    }
    return marks == 1;
}

double TProbeController::coeffValueFromString(const QString& pValue)
{
    bool ok = false;
    const double value = QString(pValue).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    // Qt reads "inf" and "nan" as numbers; an infinite coefficient would reach
    // the board's record, so only a finite number is a value.
    return ok && std::isfinite(value) ? value : std::nan("");
}

void TProbeController::importProbeCoefficientsFromCSVFile(const QString& pFilePath)
{
    // The file lies on a stick: a FIFO swapped in there must not hold the program.
    QFile file(pFilePath);
    if (!TRegularFile::openForReading(file)) {
        TMessageDialog().showError(tr("Unable to open file."));
        return;
    }
    const QByteArray mark = file.read(3);
    const bool byteOrderMark = mark.size() == 3 && ((quint8(mark[0]) == 0xFE && quint8(mark[1]) == 0xFF) ||
                                                    (quint8(mark[0]) == 0xFF && quint8(mark[1]) == 0xFE));
    if (!byteOrderMark || mark[2] == '\0') {
        TMessageDialog().showError(
            tr("Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!"));
        return;
    }
    if (file.size() > MAX_COEFF_IMPORT_FILE_SIZE) {
        TMessageDialog().showError(tr("The import file is too large."));
        return;
    }
    file.seek(0);
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        TMessageDialog().showError(tr("Unable to open file."));
        return;
    }
    file.close();

    // Decoded in the order the mark gives; the mark itself is not part of the text.
    QString text = QTextCodec::codecForName("UTF-16")->toUnicode(content);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    const int lineCount = lines.size();

    // The stores run between polls of the measuring cycle otherwise; the
    // previous state comes back on every path.
    const bool wasReading = mChannelController && mChannelController->isReadingActive();
    if (mChannelController)
        mChannelController->setReadingActive(false);

    auto progress = std::make_unique<TCalibrationProgressDialog>();
    progress->setWindowModality(Qt::WindowModal);
    progress->show(TCalibrationProgressDialog::pdtUpload, true);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    int createCount = 0;
    int updateCount = 0;
    bool headerRead = false;
    TImportErrorSummary errors;
    for (int lineNumber = 1; lineNumber <= lineCount; ++lineNumber) {
        progress->updateProgress(int(lineNumber * 100.0 / lineCount));
        QCoreApplication::processEvents();
        const QString& line = lines[lineNumber - 1];
        if (line.trimmed().isEmpty())
            continue;
        if (!headerRead) {
            // Its titles may be in any language; they are never read.
            headerRead = true;
            continue;
        }
        zelk::vector<QString> lineErrors;
        const bool stored = importCoefficientLine(line, createCount, updateCount, lineErrors);
        for (const QString& error : lineErrors)
            errors.add(lineNumber, error);
        if (stored && progress->isAborted())
            break;
    }
    const bool aborted = progress->isAborted();
    progress.reset();
    if (wasReading)
        mChannelController->setReadingActive(true);

    QString summary = (aborted ? tr("Import aborted.") : tr("Import finished.")) + QLatin1Char(' ') +
                      tr("Probes created: %1. Probes updated: %2.").arg(createCount).arg(updateCount);
    for (const auto& shown : errors.shown())
        summary += QLatin1Char('\n') + tr("Error in line %1").arg(shown.first) + QStringLiteral(": ") + shown.second;
    if (errors.count() > 0)
        summary += QLatin1Char('\n') + tr("Total error count: %1").arg(errors.count());
    TMessageDialog().showDialog(
        summary, aborted || errors.count() > 0 ? TMessageDialog::dtWarning : TMessageDialog::dtConfirmation,
        TMessageDialog::dbOK);
}

bool TProbeController::importCoefficientLine(const QString& pLine, int& ioCreateCount, int& ioUpdateCount,
                                             zelk::vector<QString>& oErrors)
{
    QStringList fields = pLine.split(mCoeffExportFieldDelimiter, Qt::KeepEmptyParts, Qt::CaseSensitive);
    while (fields.size() < COEFF_EXPORT_COL_COUNT)
        fields << QString();
    while (fields.size() > COEFF_EXPORT_COL_COUNT)
        fields.removeLast();

    const QString probeName = fields[COEFF_EXPORT_COL_INDEX_HEADER_PROBE_NAME].trimmed();
    if (!isValidProbeName(probeName)) {
        oErrors << tr("Invalid probe name: %1").arg(probeName);
        return false;
    }
    const double tMin = coeffValueFromString(fields[COEFF_EXPORT_COL_INDEX_HEADER_T_MIN]);
    if (!isValidTMinMaxValue(tMin)) {
        oErrors << tr("Invalid value for Tmin: %1").arg(fields[COEFF_EXPORT_COL_INDEX_HEADER_T_MIN]);
        return false;
    }
    const double tMax = coeffValueFromString(fields[COEFF_EXPORT_COL_INDEX_HEADER_T_MAX]);
    if (!isValidTMinMaxValue(tMax)) {
        oErrors << tr("Invalid value for Tmax: %1").arg(fields[COEFF_EXPORT_COL_INDEX_HEADER_T_MAX]);
        return false;
    }
    if (tMin >= tMax) {
        oErrors << tr("Value for Tmin must be smaller than Tmax");
        return false;
    }
    EnPRTType prtType = prttUndefined;
    EnThermocoupleType tcType = ptUndefined;
    bool thermistorProbe = false;
    if (!probeCoeffImportDetectProbeTypes(fields, prtType, tcType, thermistorProbe)) {
        oErrors << tr("Unable to detect probe type");
        return false;
    }

    // An empty field is a coefficient the line leaves unset; a text that is no
    // finite number ("nan", "inf") is an error, not a coefficient of 0.
    for (const TCoefficientGroup* group :
         {&cvdGroup(), &its90Group(), &thermocoupleGroup(), &steinhartHartGroup(), &thermistorPolynomialGroup()}) {
        for (int index = 0; index < group->mKeys.size(); ++index) {
            const QString& field = fields[group->mFirstColumn + index];
            if (!field.trimmed().isEmpty() && std::isnan(coeffValueFromString(field))) {
                oErrors << tr("Invalid coefficient value: %1").arg(field);
                return false;
            }
        }
    }
    TProbeCoefficientSet cvd = readGroup(cvdGroup(), fields);
    TProbeCoefficientSet its90 = readGroup(its90Group(), fields);
    TProbeCoefficientSet thermocouple = readGroup(thermocoupleGroup(), fields);
    TProbeCoefficientSet steinhartHart = readGroup(steinhartHartGroup(), fields);
    TProbeCoefficientSet thermistorPolynomial = readGroup(thermistorPolynomialGroup(), fields);
    int filledGroups = 0;
    for (const TProbeCoefficientSet* set : {&cvd, &its90, &thermocouple, &steinhartHart, &thermistorPolynomial})
        filledGroups += set->isEmpty() ? 0 : 1;
    if (filledGroups == 0) {
        oErrors << tr("Coefficients are empty.");
        return false;
    }
    if (filledGroups > 1) {
        oErrors << tr("Ambiguous coefficient data found.");
        return false;
    }

    const zelk::vector<TAbstractProbe*> probes = probesByName(probeName);
    const QString differentType =
        tr("Probe %1 already exists and has a different probe type. Dataset will be ignored.").arg(probeName);
    // The kind's path below makes the probe to store: a new one under the
    // free number (pStored null), or one over each stored probe of the name.
    std::function<std::unique_ptr<TAbstractProbe>(TAbstractProbe * pStored, int pNumber)> build;

    if (prtType != prttUndefined) {
        EnConvPRT conversion = cprtUndefined;
        if (!cvd.isEmpty()) {
            conversion = cprtCVD;
            cvd.setDefaultCoefficients();
        } else if (!its90.isEmpty()) {
            conversion = cprtITS90;
            its90.setDefaultCoefficients();
        } else {
            oErrors << tr("Invalid coefficients found. Please enter CvD or ITS90 coefficients.");
            return false;
        }
        for (TAbstractProbe* stored : probes) {
            const auto* prt = qobject_cast<const TPRTProbe*>(stored);
            if (!prt || prt->PRTType() != prtType) {
                oErrors << differentType;
                return false;
            }
        }
        const QList<double> c = groupValues(cvdGroup(), cvd);
        const QList<double> i = groupValues(its90Group(), its90);
        const EnWiring standardWiring =
            mStandardProbeSettingsController ? mStandardProbeSettingsController->standardWiring() : w4wire;
        build = [=](TAbstractProbe* pStored, int pNumber) -> std::unique_ptr<TAbstractProbe> {
            const auto* old = qobject_cast<const TPRTProbe*>(pStored);
            if (!old)
                return std::make_unique<TPRTProbe>(
                    pNumber, probeName, prtType, false, 0, tMin, tMax, QDate(), false, standardWiring, false, false,
                    TPRTProbe::operatingCurrentPerType(prtType), TPRTProbe::internalResistorPerType(prtType),
                    conversion, c[0], c[1], c[2], c[3], i[0], i[1], i[2], i[3], i[4], i[5], i[6]);
            return std::make_unique<TPRTProbe>(
                old->internalProbeNumber(), old->probeName(), old->PRTType(), old->isReference(), 0, tMin, tMax,
                old->lastCalDate(), old->isDefaultProbe(), old->wiring(), old->keepWarmCurrent(), old->factorRoot2(),
                old->operationCurrentSetting(), old->internalResistor(), conversion, c[0], c[1], c[2], c[3], i[0], i[1],
                i[2], i[3], i[4], i[5], i[6]);
        };
    } else if (tcType != ptUndefined) {
        if (thermocouple.isEmpty()) {
            oErrors << tr("Invalid coefficients found. Please enter thermocouple coefficients.");
            return false;
        }
        thermocouple.setDefaultCoefficients();
        for (TAbstractProbe* stored : probes) {
            const auto* tc = qobject_cast<const TTCProbe*>(stored);
            if (!tc || tc->probeType() != tcType) {
                oErrors << differentType;
                return false;
            }
        }
        const QList<double> p = groupValues(thermocoupleGroup(), thermocouple);
        const EnReferenceJunction standardJunction = mStandardProbeSettingsController
                                                         ? mStandardProbeSettingsController->standardReferenceJunction()
                                                         : rjInternal;
        const int standardJunctionChannel =
            mStandardProbeSettingsController ? mStandardProbeSettingsController->standardReferenceJunctionChannel() : 0;
        build = [=](TAbstractProbe* pStored, int pNumber) -> std::unique_ptr<TAbstractProbe> {
            const auto* old = qobject_cast<const TTCProbe*>(pStored);
            return std::make_unique<TTCProbe>(
                old ? old->internalProbeNumber() : pNumber, old ? old->probeName() : probeName,
                old && old->isReference(), 0, tMin, tMax, old ? old->lastCalDate() : QDate(),
                old && old->isDefaultProbe(), old ? old->probeType() : tcType,
                old ? old->referenceColdJunction() : standardJunction,
                old ? old->refChannelNumber() : standardJunctionChannel, ctcPolynomial, p[0], p[1], p[2], p[3], p[4],
                p[5], p[6], p[7], p[8], p[9], p[10], p[11], p[12], p[13], p[14], p[15], p[16], p[17]);
        };
    } else {
        EnConvThermistor conversion = cthUndefined;
        if (!steinhartHart.isEmpty()) {
            conversion = cthSteinhartHart;
            steinhartHart.setDefaultCoefficients();
        } else if (!thermistorPolynomial.isEmpty()) {
            conversion = cthPolynomial;
            thermistorPolynomial.setDefaultCoefficients();
        } else {
            oErrors << tr("Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.");
            return false;
        }
        for (TAbstractProbe* stored : probes) {
            if (!qobject_cast<const TThermistorProbe*>(stored)) {
                oErrors << differentType;
                return false;
            }
        }
        const QList<double> s = groupValues(steinhartHartGroup(), steinhartHart);
        const QList<double> p = groupValues(thermistorPolynomialGroup(), thermistorPolynomial);
        build = [=](TAbstractProbe* pStored, int pNumber) -> std::unique_ptr<TAbstractProbe> {
            return std::make_unique<TThermistorProbe>(
                pStored ? pStored->internalProbeNumber() : pNumber, pStored ? pStored->probeName() : probeName,
                pStored && pStored->isReference(), 0, tMin, tMax, pStored ? pStored->lastCalDate() : QDate(),
                pStored && pStored->isDefaultProbe(), conversion, s[0], s[1], s[2], p[0], p[1], p[2], p[3]);
        };
    }

    // A refused store is reported and the next probe of the name still gets its turn.
    QString error;
    if (probes.empty()) {
        const int number = nextFreeProbeNumber();
        if (number == 0) {
            oErrors << noFreeProbeNumberText(tr("Cannot create new probe, maximum number of probes reached."));
            return false;
        }
        if (newProbeCreated(nullptr, build(nullptr, number), error))
            ++ioCreateCount;
        else
            oErrors << error;
    }
    for (TAbstractProbe* stored : probes) {
        if (newProbeCreated(stored, build(stored, 0), error))
            ++ioUpdateCount;
        else
            oErrors << error;
    }
    return true;
}
