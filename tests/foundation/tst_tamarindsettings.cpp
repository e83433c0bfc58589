#include "messagerecorder.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace
{
const QString SETTINGS_FILE = QStringLiteral("/home/Settings/ZELK/settings.xml");
const QByteArray LANGUAGE_2 = "<settings><language><language>2</language></language></settings>\n";
const QString DAMAGED_FILE = SETTINGS_FILE + QStringLiteral(".damaged");
const QString NOT_SAVED = QStringLiteral("The settings could not be saved.");
const QString STORAGE_FULL = QStringLiteral("100 % storage used");

// A settings file for language 2 whose document nests pDepth elements deep, the root counted.
QByteArray nestedSettings(int pDepth)
{
    return "<settings><language><language>2</language></language>" + QByteArray("<x>").repeated(pDepth - 1) +
           QByteArray("</x>").repeated(pDepth - 1) + "</settings>";
}

// "df" runs for real under the root; a stand-in first on the PATH prints a
// root file system with the given use column.
bool standInDf(const QByteArray& pUse)
{
    const QString directory = TTestEnvironment::root() + "/test-tools";
    QFile tool(directory + "/df");
    if (!QDir().mkpath(directory) || !tool.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    tool.write("#!/bin/sh\nprintf '%s\\n' 'Filesystem 1K-blocks Used Available Use% Mounted on' "
               "'/dev/mmcblk0p2 1000 990 10 " +
               pUse + " /'\n");
    tool.close();
    qputenv("PATH", directory.toLocal8Bit() + ':' + qgetenv("PATH"));
    return tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A store whose write stops where a power cut would stop it: the new content
// is complete beside the old file, but never put in its place.
class TInterruptedSettings : public TTamarindSettings
{
public:
    using TTamarindSettings::TTamarindSettings;
    bool mInterrupt = true;

protected:
    bool replaceSettingsFile(const QString& pWrittenFile) override
    {
        return mInterrupt ? false : TTamarindSettings::replaceSettingsFile(pWrittenFile);
    }
};
} // namespace

class tst_TamarindSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void programStoreReadsTheSettingsFile();
    void valueFromFile_data();
    void valueFromFile();
    void emptyValueIsNotTheDefault();
    void replacedKeyKeepsItsPlace();
    void removeSection();
    void corruptFileGivesDefaults_data();
    void corruptFileGivesDefaults();
    void fileOfAnotherKindIsNotRead_data();
    void fileOfAnotherKindIsNotRead();
    void fileRestoredOverADamagedOneIsKeptInPlace();
    void writtenFileLayout();
    void nonAsciiValuesSurviveARoundTrip();
    void latin1FileFromEarlierVersionsStaysReadable();
    void interruptedStoreLeavesTheOldFile();
    void storeWithoutDirectoryFails();
    void failedStoreIsToldOnce_data();
    void failedStoreIsToldOnce();
    void heldMessagesAreToldWhenLetThrough_data();
    void heldMessagesAreToldWhenLetThrough();
    void invalidNameNeverReplacesAReadableFile_data();
    void invalidNameNeverReplacesAReadableFile();
};

void tst_TamarindSettings::init()
{
    TTestEnvironment::removeUnderRoot("/home");
    TTestEnvironment::clearRecordedCommands();
}

void tst_TamarindSettings::programStoreReadsTheSettingsFile()
{
    TAMARIND_WRITE_DEVICE_FILE(
        SETTINGS_FILE, "<!DOCTYPE ZTM8800_settings>\n<settings><language><language>4</language></language></settings>");
    QCOMPARE(QString(TTamarindSettings::SETTINGS_FILE_PATH), SETTINGS_FILE);
    QCOMPARE(TTamarindSettings::instance().value("language", "language", "1"), QString("4"));
    QCOMPARE(&TTamarindSettings::instance(), &TTamarindSettings::instance());
}

void tst_TamarindSettings::valueFromFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray sound = "<settings><sound><keystrokes>1</keystrokes><alarms/></sound></settings>";
    QTest::newRow("stored value") << sound << "sound"
                                  << "keystrokes"
                                  << "1";
    QTest::newRow("empty element is the empty value") << sound << "sound"
                                                      << "alarms"
                                                      << "";
    QTest::newRow("missing key gives the default") << sound << "sound"
                                                   << "volume"
                                                   << "default";
    QTest::newRow("missing section gives the default") << sound << "brightness"
                                                       << "value"
                                                       << "default";
    QTest::newRow("first of two equal sections")
        << QByteArray("<settings><a><k>first</k></a><a><k>second</k></a></settings>") << "a"
        << "k"
        << "first";
    QTest::newRow("first of two equal keys")
        << QByteArray("<settings><a><k>first</k><k>second</k></a></settings>") << "a"
        << "k"
        << "first";
    QTest::newRow("root element of another name")
        << QByteArray("<config><datetime><timeformat>2</timeformat></datetime></config>") << "datetime"
        << "timeformat"
        << "2";
    QTest::newRow("elements nested as deep as files may nest") << nestedSettings(64) << "language"
                                                               << "language"
                                                               << "2";
    QTest::newRow("keys are not found beside their section")
        << QByteArray("<settings><timeformat>2</timeformat></settings>") << "datetime"
        << "timeformat"
        << "default";
}

void tst_TamarindSettings::valueFromFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, content);
    const TTamarindSettings settings(SETTINGS_FILE);
    QCOMPARE(settings.value(section, key, "default"), expected);
    QCOMPARE(settings.containsSetting(section, key), expected != "default");
}

void tst_TamarindSettings::emptyValueIsNotTheDefault()
{
    {
        TTamarindSettings settings(SETTINGS_FILE);
        QCOMPARE(settings.value("sound", "alarms", "1"), QString("1"));
        QVERIFY(!settings.containsSetting("sound", "alarms"));
        settings.setValue("sound", "alarms", "");
        QCOMPARE(settings.value("sound", "alarms", "1"), QString(""));
        TAMARIND_VERIFY_STEP(settings.store());
    }
    const TTamarindSettings reloaded(SETTINGS_FILE);
    QVERIFY(reloaded.containsSetting("sound", "alarms"));
    QCOMPARE(reloaded.value("sound", "alarms", "1"), QString(""));
}

void tst_TamarindSettings::replacedKeyKeepsItsPlace()
{
    // A hand-edited file may hold a key twice; only the first is the setting.
    TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, "<settings><datetime><timeformat>1</timeformat><dateformat>1</dateformat>"
                                              "<zone>UTC</zone><dateformat>9</dateformat></datetime></settings>");
    TTamarindSettings settings(SETTINGS_FILE);
    settings.setValue("datetime", "dateformat", "2");
    settings.setValue("datetime", "dateformat", "1");
    settings.setValue("datetime", "dateformat", "2");
    settings.setValue("sound", "keystrokes", "1");
    TAMARIND_VERIFY_STEP(settings.store());

    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<settings>\n"
                                "  <datetime>\n"
                                "    <timeformat>1</timeformat>\n"
                                "    <dateformat>2</dateformat>\n"
                                "    <zone>UTC</zone>\n"
                                "    <dateformat>9</dateformat>\n"
                                "  </datetime>\n"
                                "  <sound>\n"
                                "    <keystrokes>1</keystrokes>\n"
                                "  </sound>\n"
                                "</settings>\n";
    QCOMPARE(TTestEnvironment::readDeviceFile(SETTINGS_FILE), expected);
}

void tst_TamarindSettings::removeSection()
{
    TTamarindSettings settings(SETTINGS_FILE);
    settings.setValue("authorization", "level1", "a");
    settings.setValue("sound", "alarms", "0");
    settings.removeSection("authorization");
    settings.removeSection("never-there");
    QVERIFY(!settings.containsSetting("authorization", "level1"));
    QCOMPARE(settings.value("sound", "alarms"), QString("0"));
    TAMARIND_VERIFY_STEP(settings.store());
    QVERIFY(!TTestEnvironment::readDeviceFile(SETTINGS_FILE).contains("authorization"));
}

void tst_TamarindSettings::corruptFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("cut off in the middle") << QByteArray("<settings><language><langu");
    QTest::newRow("not XML at all") << QByteArray("\x00\x01\x02 garbage", 12);
    QTest::newRow("two root elements") << QByteArray("<settings/><settings/>");
    QTest::newRow("elements nested one level too deep") << nestedSettings(65);
    // Read as it stands, it would overflow the stack at every start.
    QTest::newRow("elements nested thousands deep") << nestedSettings(6000);
}

void tst_TamarindSettings::corruptFileGivesDefaults()
{
    QFETCH(QByteArray, content);
    TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, content);

    TTamarindSettings settings(SETTINGS_FILE);
    QCOMPARE(settings.value("language", "language", "1"), QString("1"));
    // Nothing is written until a setting is stored.
    QCOMPARE(TTestEnvironment::readDeviceFile(SETTINGS_FILE), content);

    // The first store keeps the damaged file for service and says so, once.
    TMessageRecorder messages;
    settings.setValue("language", "language", "5");
    TAMARIND_VERIFY_STEP(settings.store());
    QCOMPARE(messages.count(), 1);
    QVERIFY2(messages.texts().first().contains("settings.xml.damaged"), qPrintable(messages.texts().first()));
    QCOMPARE(TTestEnvironment::readDeviceFile(DAMAGED_FILE), content);
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("language", "language", "1"), QString("5"));

    settings.setValue("language", "language", "6");
    TAMARIND_VERIFY_STEP(settings.store());
    QCOMPARE(messages.count(), 1);
    QCOMPARE(TTestEnvironment::readDeviceFile(DAMAGED_FILE), content);
}

void tst_TamarindSettings::fileOfAnotherKindIsNotRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO: reading would wait for ever") << "fifo";
    QTest::newRow("a link to an endless device") << "zero";
    QTest::newRow("well-formed, but larger than a settings file can be") << "large";
}

// Whatever stands at the path is looked at before it is read; what is no
// settings file counts as damaged.
void tst_TamarindSettings::fileOfAnotherKindIsNotRead()
{
    QFETCH(QString, kind);
    const QString path = TTestEnvironment::root() + SETTINGS_FILE;
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    if (kind == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "zero") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else {
        const QByteArray padding(int(TTamarindSettings::MAXIMUM_FILE_SIZE), ' ');
        TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, "<settings><language><language>4</language>"
                                                  "</language>" +
                                                      padding + "</settings>");
    }

    TTamarindSettings settings(SETTINGS_FILE);
    QCOMPARE(settings.value("language", "language", "1"), QString("1"));
    TMessageRecorder messages;
    settings.setValue("language", "language", "5");
    TAMARIND_VERIFY_STEP(settings.store());
    QCOMPARE(messages.count(), 1);
    QVERIFY(QFileInfo(path + ".damaged").exists() || QFileInfo(path + ".damaged").isSymLink());
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("language", "language", "1"), QString("5"));
}

// A backup put in place of a damaged file and read again is the settings file, not damage.
void tst_TamarindSettings::fileRestoredOverADamagedOneIsKeptInPlace()
{
    TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, "<settings><langu");
    TTamarindSettings settings(SETTINGS_FILE);
    TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, LANGUAGE_2);
    settings.reload();

    TMessageRecorder messages;
    settings.setValue("sound", "alarms", "0");
    TAMARIND_VERIFY_STEP(settings.store());
    QCOMPARE(messages.count(), 0);
    QVERIFY(!QFileInfo::exists(TTestEnvironment::root() + DAMAGED_FILE));
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("language", "language"), QString("2"));
}

void tst_TamarindSettings::writtenFileLayout()
{
    TTamarindSettings settings(SETTINGS_FILE);
    settings.setValue("language", "language", "3");
    settings.setValue("sound", "keystrokes", "0");
    TAMARIND_VERIFY_STEP(settings.store());

    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<!DOCTYPE ZTM8800_settings>\n"
                                "<settings>\n"
                                "  <language>\n"
                                "    <language>3</language>\n"
                                "  </language>\n"
                                "  <sound>\n"
                                "    <keystrokes>0</keystrokes>\n"
                                "  </sound>\n"
                                "</settings>\n";
    QCOMPARE(TTestEnvironment::readDeviceFile(SETTINGS_FILE), expected);
    // Storing again does not stack declarations.
    TAMARIND_VERIFY_STEP(settings.store());
    QCOMPARE(TTestEnvironment::readDeviceFile(SETTINGS_FILE), expected);
    QVERIFY(!QFile::exists(TTestEnvironment::root() + SETTINGS_FILE + ".new"));
}

void tst_TamarindSettings::nonAsciiValuesSurviveARoundTrip()
{
    const QString name = QString::fromUtf8("Ölbad 25 °C – Pt100 Ω 測温");
    {
        TTamarindSettings settings(SETTINGS_FILE);
        settings.setValue("backup", "probe", name);
        TAMARIND_VERIFY_STEP(settings.store());
    }
    const QByteArray written = TTestEnvironment::readDeviceFile(SETTINGS_FILE);
    QVERIFY(written.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    QVERIFY(written.contains(name.toUtf8()));
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("backup", "probe"), name);
}

void tst_TamarindSettings::latin1FileFromEarlierVersionsStaysReadable()
{
    // Written in the device's Latin-1 locale, without a declaration.
    TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, "<!DOCTYPE ZTM8800_settings>\n<settings>\n  <backup>\n"
                                              "    <probe>\xd6lbad 25 \xb0"
                                              "C</probe>\n  </backup>\n</settings>\n");
    TTamarindSettings settings(SETTINGS_FILE);
    QCOMPARE(settings.value("backup", "probe"), QString::fromUtf8("Ölbad 25 °C"));
    TAMARIND_VERIFY_STEP(settings.store());
    QVERIFY(TTestEnvironment::readDeviceFile(SETTINGS_FILE)
                .contains("\xc3\x96lbad 25 \xc2\xb0"
                          "C"));
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("backup", "probe"), QString::fromUtf8("Ölbad 25 °C"));
}

void tst_TamarindSettings::interruptedStoreLeavesTheOldFile()
{
    const QByteArray before = LANGUAGE_2;
    TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, before);

    TMessageRecorder messages;
    TInterruptedSettings settings(SETTINGS_FILE);
    settings.setValue("language", "language", "7");
    QVERIFY(!settings.store());
    QCOMPARE(TTestEnvironment::readDeviceFile(SETTINGS_FILE), before);
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("language", "language"), QString("2"));
    // The failure went through the disk check, which tells the user of a full disk.
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList{"df /"});

    // The change is still there for the next store that gets through.
    QCOMPARE(settings.value("language", "language"), QString("7"));
    settings.mInterrupt = false;
    TAMARIND_VERIFY_STEP(settings.store());
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("language", "language"), QString("7"));
    QCOMPARE(messages.texts(), QStringList{NOT_SAVED});
}

void tst_TamarindSettings::storeWithoutDirectoryFails()
{
    // A plain file where the settings directory should be.
    TAMARIND_WRITE_DEVICE_FILE("/home/Blocked", "x");
    TMessageRecorder messages;
    TTamarindSettings settings("/home/Blocked/settings.xml");
    QCOMPARE(settings.value("sound", "alarms", "1"), QString("1"));
    settings.setValue("sound", "alarms", "0");
    QVERIFY(!settings.store());
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList{"df /"});
    QCOMPARE(messages.texts(), QStringList{NOT_SAVED});
}

void tst_TamarindSettings::failedStoreIsToldOnce_data()
{
    QTest::addColumn<QString>("use");
    QTest::addColumn<QStringList>("told");
    // The disk check only speaks when the disk is full; every other failure is the store's to tell.
    QTest::newRow("space left: once until a store gets through") << "42%" << QStringList{NOT_SAVED, NOT_SAVED};
    QTest::newRow("disk full: the storage message every time")
        << "100%" << QStringList{STORAGE_FULL, STORAGE_FULL, STORAGE_FULL};
}

void tst_TamarindSettings::failedStoreIsToldOnce()
{
    QFETCH(QString, use);
    QFETCH(QStringList, told);
    const QByteArray path = qgetenv("PATH");
    QVERIFY(standInDf(use.toLatin1()));

    TMessageRecorder messages;
    TInterruptedSettings settings(SETTINGS_FILE);
    for (const char* level : {"60", "69", "78"}) {
        settings.setValue("brightness", "value", level);
        QVERIFY(!settings.store());
    }
    settings.mInterrupt = false;
    TAMARIND_VERIFY_STEP(settings.store());
    settings.mInterrupt = true;
    if (use != "100%")
        QVERIFY(!settings.store());
    qputenv("PATH", path);
    QCOMPARE(messages.texts(), told);
}

void tst_TamarindSettings::heldMessagesAreToldWhenLetThrough_data()
{
    QTest::addColumn<bool>("mendedBeforeShown");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("the store still fails") << false << QStringList{"damaged", NOT_SAVED};
    QTest::newRow("a later store got through") << true << QStringList{"damaged"};
}

// At start-up the store's messages wait for the window; let through, each is
// told once, a failure only while it lasts.
void tst_TamarindSettings::heldMessagesAreToldWhenLetThrough()
{
    QFETCH(bool, mendedBeforeShown);
    QFETCH(QStringList, told);
    TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, "<settings><langu");
    TMessageRecorder messages;
    TInterruptedSettings settings(SETTINGS_FILE);
    settings.holdMessages();
    settings.setValue("language", "language", "3");
    QVERIFY(!settings.store());
    QVERIFY(!settings.store());
    settings.mInterrupt = !mendedBeforeShown;
    QCOMPARE(settings.store(), mendedBeforeShown);
    QCOMPARE(messages.count(), 0);

    settings.showHeldMessages();
    QCOMPARE(messages.count(), told.size());
    for (int index = 0; index < told.size(); ++index)
        QVERIFY2(messages.texts().at(index).contains(told.at(index)), qPrintable(messages.texts().at(index)));
    // Let through, the store tells at once again.
    settings.mInterrupt = true;
    settings.setValue("language", "language", "4");
    QVERIFY(!settings.store());
    QCOMPARE(messages.count(), mendedBeforeShown ? told.size() + 1 : told.size());
}

void tst_TamarindSettings::invalidNameNeverReplacesAReadableFile_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("section name with a blank") << "probe names"
                                               << "first"
                                               << "Pt100";
    QTest::newRow("key starting with a digit") << "probes"
                                               << "1st"
                                               << "Pt100";
    QTest::newRow("empty key") << "probes"
                               << ""
                               << "Pt100";
    QTest::newRow("value holding a non-character") << "probes"
                                                   << "first" << QString(QChar(0xFFFE)) + "Pt100";
}

// One bad name or value is refused where it is set: the document stays as it
// was, so neither the file nor every later store suffers from it.
void tst_TamarindSettings::invalidNameNeverReplacesAReadableFile()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);

    const QByteArray before = LANGUAGE_2;
    TAMARIND_WRITE_DEVICE_FILE(SETTINGS_FILE, before);
    TTamarindSettings settings(SETTINGS_FILE);
    QVERIFY(!settings.setValue(section, key, value));
    QVERIFY(!settings.containsSetting(section, key));
    QCOMPARE(TTestEnvironment::readDeviceFile(SETTINGS_FILE), before);

    QVERIFY(settings.setValue("sound", "alarms", "0"));
    TAMARIND_VERIFY_STEP(settings.store());
    const TTamarindSettings nextStart(SETTINGS_FILE);
    QCOMPARE(nextStart.value("sound", "alarms"), QString("0"));
    QCOMPARE(nextStart.value("language", "language"), QString("2"));
}

TAMARIND_TEST_MAIN(tst_TamarindSettings)
#include "tst_tamarindsettings.moc"
