#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

namespace
{
const QString SETTINGS_FILE = QStringLiteral("/home/Settings/ZELK/settings.xml");
const QByteArray LANGUAGE_2 = "<settings><language><language>2</language></language></settings>\n";

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
    void writtenFileLayout();
    void nonAsciiValuesSurviveARoundTrip();
    void latin1FileFromEarlierVersionsStaysReadable();
    void interruptedStoreLeavesTheOldFile();
    void storeWithoutDirectoryFails();
    void invalidNameNeverReplacesAReadableFile();
};

void tst_TamarindSettings::init()
{
    QDir(TTestEnvironment::root() + "/home").removeRecursively();
    TTestEnvironment::clearRecordedCommands();
}

void tst_TamarindSettings::programStoreReadsTheSettingsFile()
{
    QVERIFY(TTestEnvironment::writeDeviceFile(
        SETTINGS_FILE,
        "<!DOCTYPE ZTM8800_settings>\n<settings><language><language>4</language></language></settings>"));
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

    QVERIFY(TTestEnvironment::writeDeviceFile(SETTINGS_FILE, content));
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
        QVERIFY(settings.store());
    }
    const TTamarindSettings reloaded(SETTINGS_FILE);
    QVERIFY(reloaded.containsSetting("sound", "alarms"));
    QCOMPARE(reloaded.value("sound", "alarms", "1"), QString(""));
}

void tst_TamarindSettings::replacedKeyKeepsItsPlace()
{
    // A hand-edited file may hold a key twice; only the first is the setting.
    QVERIFY(TTestEnvironment::writeDeviceFile(SETTINGS_FILE,
                                              "<settings><datetime><timeformat>1</timeformat><dateformat>1</dateformat>"
                                              "<zone>UTC</zone><dateformat>9</dateformat></datetime></settings>"));
    TTamarindSettings settings(SETTINGS_FILE);
    settings.setValue("datetime", "dateformat", "2");
    settings.setValue("datetime", "dateformat", "1");
    settings.setValue("datetime", "dateformat", "2");
    settings.setValue("sound", "keystrokes", "1");
    QVERIFY(settings.store());

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
    QVERIFY(settings.store());
    QVERIFY(!TTestEnvironment::readDeviceFile(SETTINGS_FILE).contains("authorization"));
}

void tst_TamarindSettings::corruptFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("cut off in the middle") << QByteArray("<settings><language><langu");
    QTest::newRow("not XML at all") << QByteArray("\x00\x01\x02 garbage", 12);
    QTest::newRow("two root elements") << QByteArray("<settings/><settings/>");
}

void tst_TamarindSettings::corruptFileGivesDefaults()
{
    QFETCH(QByteArray, content);
    QVERIFY(TTestEnvironment::writeDeviceFile(SETTINGS_FILE, content));

    TTamarindSettings settings(SETTINGS_FILE);
    QCOMPARE(settings.value("language", "language", "1"), QString("1"));
    // Nothing is written until a setting is stored.
    QCOMPARE(TTestEnvironment::readDeviceFile(SETTINGS_FILE), content);

    settings.setValue("language", "language", "5");
    QVERIFY(settings.store());
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("language", "language", "1"), QString("5"));
}

void tst_TamarindSettings::writtenFileLayout()
{
    TTamarindSettings settings(SETTINGS_FILE);
    settings.setValue("language", "language", "3");
    settings.setValue("sound", "keystrokes", "0");
    QVERIFY(settings.store());

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
    QVERIFY(settings.store());
    QCOMPARE(TTestEnvironment::readDeviceFile(SETTINGS_FILE), expected);
    QVERIFY(!QFile::exists(TTestEnvironment::root() + SETTINGS_FILE + ".new"));
}

void tst_TamarindSettings::nonAsciiValuesSurviveARoundTrip()
{
    const QString name = QString::fromUtf8("Ölbad 25 °C – Pt100 Ω 測温");
    {
        TTamarindSettings settings(SETTINGS_FILE);
        settings.setValue("backup", "probe", name);
        QVERIFY(settings.store());
    }
    const QByteArray written = TTestEnvironment::readDeviceFile(SETTINGS_FILE);
    QVERIFY(written.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    QVERIFY(written.contains(name.toUtf8()));
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("backup", "probe"), name);
}

void tst_TamarindSettings::latin1FileFromEarlierVersionsStaysReadable()
{
    // Written in the device's Latin-1 locale, without a declaration.
    QVERIFY(TTestEnvironment::writeDeviceFile(SETTINGS_FILE, "<!DOCTYPE ZTM8800_settings>\n<settings>\n  <backup>\n"
                                                             "    <probe>\xd6lbad 25 \xb0"
                                                             "C</probe>\n  </backup>\n</settings>\n"));
    TTamarindSettings settings(SETTINGS_FILE);
    QCOMPARE(settings.value("backup", "probe"), QString::fromUtf8("Ölbad 25 °C"));
    QVERIFY(settings.store());
    QVERIFY(TTestEnvironment::readDeviceFile(SETTINGS_FILE)
                .contains("\xc3\x96lbad 25 \xc2\xb0"
                          "C"));
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("backup", "probe"), QString::fromUtf8("Ölbad 25 °C"));
}

void tst_TamarindSettings::interruptedStoreLeavesTheOldFile()
{
    const QByteArray before = LANGUAGE_2;
    QVERIFY(TTestEnvironment::writeDeviceFile(SETTINGS_FILE, before));

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
    QVERIFY(settings.store());
    QCOMPARE(TTamarindSettings(SETTINGS_FILE).value("language", "language"), QString("7"));
}

void tst_TamarindSettings::storeWithoutDirectoryFails()
{
    // A plain file where the settings directory should be.
    QVERIFY(TTestEnvironment::writeDeviceFile("/home/Blocked", "x"));
    TTamarindSettings settings("/home/Blocked/settings.xml");
    QCOMPARE(settings.value("sound", "alarms", "1"), QString("1"));
    settings.setValue("sound", "alarms", "0");
    QVERIFY(!settings.store());
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList{"df /"});
}

void tst_TamarindSettings::invalidNameNeverReplacesAReadableFile()
{
    const QByteArray before = LANGUAGE_2;
    QVERIFY(TTestEnvironment::writeDeviceFile(SETTINGS_FILE, before));
    TTamarindSettings settings(SETTINGS_FILE);
    settings.setValue("probe names", "first", "Pt100");
    QVERIFY(!settings.store());
    QCOMPARE(TTestEnvironment::readDeviceFile(SETTINGS_FILE), before);
}

TAMARIND_TEST_MAIN(tst_TamarindSettings)
#include "tst_tamarindsettings.moc"
