#include "fifoguard.h"
#include "regularfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

// Files that a stick provides: only regular files are read, nothing blocks
// on a FIFO, and a copy never holds more than a block in memory nor leaves a
// part behind.
class tst_RegularFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void copy_data();
    void copy();
    void openForAppending_data();
    void openForAppending();
    void writeReplacing_data();
    void writeReplacing();

private:
    static QString path(const QString& pName) { return TTestEnvironment::root() + QStringLiteral("/media/") + pName; }
};

void tst_RegularFile::init()
{
    TTestEnvironment::removeUnderRoot(path(QString()));
    QVERIFY(QDir().mkpath(path(QStringLiteral("directory"))));
}

void tst_RegularFile::copy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("copied");
    // Several blocks, and a last one that is not full.
    QTest::newRow("a regular file") << "file" << qint64(-1) << true;
    QTest::newRow("a regular file as large as the limit") << "file" << qint64(200001) << true;
    QTest::newRow("a regular file beyond the limit") << "file" << qint64(200000) << false;
    QTest::newRow("a FIFO") << "fifo" << qint64(-1) << false;
    QTest::newRow("a directory") << "directory" << qint64(-1) << false;
    QTest::newRow("a device") << "device" << qint64(-1) << false;
    QTest::newRow("nothing") << "missing" << qint64(-1) << false;
    QTest::newRow("a link to a regular file") << "link" << qint64(-1) << true;
}

void tst_RegularFile::copy()
{
    QFETCH(QString, kind);
    QFETCH(qint64, limit);
    QFETCH(bool, copied);
    QByteArray content(200001, '\0');
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i * 7 % 251);
    QString source = path(kind);
    std::unique_ptr<TFifoGuard> fifo;
    if (kind == QLatin1String("file") || kind == QLatin1String("link")) {
        QFile file(path(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(file.fileName(), source));
    } else if (kind == QLatin1String("fifo")) {
        fifo = std::make_unique<TFifoGuard>(source);
        QVERIFY(fifo->isMade());
    } else if (kind == QLatin1String("device")) {
        source = QStringLiteral("/dev/zero");
    }

    QFile opened(source);
    QCOMPARE(TRegularFile::openForReading(opened), kind == QLatin1String("file") || kind == QLatin1String("link"));
    QCOMPARE(opened.isOpen(), kind == QLatin1String("file") || kind == QLatin1String("link"));
    opened.close();
    const QString target = path(QStringLiteral("copy"));
    QCOMPARE(TRegularFile::copy(source, target, limit), copied);
    if (fifo)
        QVERIFY(!fifo->readerWaited());
    QFile result(target);
    if (copied)
        QVERIFY(result.open(QIODevice::ReadOnly) && result.readAll() == content);
    else
        QVERIFY(!result.exists());
    // An existing file is not overwritten.
    if (copied)
        QVERIFY(!TRegularFile::copy(source, target, limit));
}

void tst_RegularFile::openForAppending_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("created");
    QTest::newRow("a regular file") << "file" << true << false;
    QTest::newRow("nothing, in a folder not made yet") << "missing" << true << true;
    QTest::newRow("a FIFO") << "fifo" << false << false;
    QTest::newRow("a directory") << "directory" << false << false;
    QTest::newRow("a link to a regular file") << "link" << false << false;
    QTest::newRow("a name leading out of the trusted folder") << "outside" << false << false;
}

// Writing onto a stick: the file is extended there or not opened at all.
void tst_RegularFile::openForAppending()
{
    QFETCH(QString, kind);
    QFETCH(bool, opened);
    QFETCH(bool, created);
    const QString trusted = path(QStringLiteral("stick"));
    QVERIFY(QDir().mkpath(trusted + QStringLiteral("/folder")));
    QString name = trusted + QStringLiteral("/folder/") + kind;
    std::unique_ptr<TFifoGuard> fifo;
    QFile earlier(path(QStringLiteral("earlier")));
    QVERIFY2(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7, qPrintable(earlier.errorString()));
    earlier.close();
    if (kind == QLatin1String("file"))
        QVERIFY2(earlier.copy(name), qPrintable(earlier.errorString()));
    else if (kind == QLatin1String("missing"))
        name = trusted + QStringLiteral("/new/folder/missing");
    else if (kind == QLatin1String("fifo"))
        fifo = std::make_unique<TFifoGuard>(name);
    else if (kind == QLatin1String("directory"))
        QVERIFY(QDir().mkpath(name));
    else if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(earlier.fileName(), name));
    else if (kind == QLatin1String("outside"))
        name = trusted + QStringLiteral("/../earlier");

    QFile file(name);
    bool made = !created;
    QCOMPARE(TRegularFile::openForAppending(file, trusted, made), opened);
    QCOMPARE(file.isOpen(), opened);
    QCOMPARE(made, created);
    if (opened) {
        QCOMPARE(file.write("+"), qint64(1));
        file.close();
        QFile written(name);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray(created ? "+" : "earlier+"));
    }
    if (fifo)
        QVERIFY(!fifo->readerWaited());
    QFile untouched(earlier.fileName());
    QVERIFY(untouched.open(QIODevice::ReadOnly));
    QCOMPARE(untouched.readAll(), QByteArray("earlier"));
}

void tst_RegularFile::writeReplacing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("written");
    QTest::newRow("a regular file") << "file" << true;
    QTest::newRow("nothing, in a folder not made yet") << "missing" << true;
    QTest::newRow("a link at the file name to a file elsewhere") << "link" << false;
    QTest::newRow("a link at the file name to nothing") << "dangling" << false;
    QTest::newRow("the folder a link to a folder elsewhere") << "linked folder" << false;
    QTest::newRow("a FIFO at the name") << "fifo" << false;
    QTest::newRow("a directory at the name") << "directory" << false;
    QTest::newRow("a link where the new file goes first") << "link beside" << true;
    QTest::newRow("a name leading out of the trusted folder") << "outside" << false;
}

// Replacing a file on a stick: the file there is replaced, or nothing at all
// changes, here or elsewhere.
void tst_RegularFile::writeReplacing()
{
    QFETCH(QString, kind);
    QFETCH(bool, written);
    const QString trusted = path(QStringLiteral("stick"));
    QVERIFY(QDir().mkpath(trusted + QStringLiteral("/folder")));
    const QString elsewhere = path(QStringLiteral("directory"));
    const QString earlier = elsewhere + QStringLiteral("/earlier");
    {
        QFile file(earlier);
        QVERIFY2(file.open(QIODevice::WriteOnly) && file.write("earlier") == 7, qPrintable(file.errorString()));
    }
    QString name = trusted + QStringLiteral("/folder/name");
    std::unique_ptr<TFifoGuard> fifo;
    if (kind == QLatin1String("file")) {
        QFile copied(earlier);
        QVERIFY2(copied.copy(name), qPrintable(copied.errorString()));
    } else if (kind == QLatin1String("missing"))
        name = trusted + QStringLiteral("/new/folder/name");
    else if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(earlier, name));
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(elsewhere + QStringLiteral("/made"), name));
    else if (kind == QLatin1String("linked folder"))
        QVERIFY(TTestEnvironment::removeUnderRoot(trusted + QStringLiteral("/folder")) &&
                QFile::link(elsewhere, trusted + QStringLiteral("/folder")));
    else if (kind == QLatin1String("fifo"))
        fifo = std::make_unique<TFifoGuard>(name);
    else if (kind == QLatin1String("directory"))
        QVERIFY(QDir().mkpath(name));
    else if (kind == QLatin1String("link beside"))
        QVERIFY(QFile::link(earlier, name + QStringLiteral(".new")));
    else if (kind == QLatin1String("outside"))
        name = trusted + QStringLiteral("/../directory/made");

    QCOMPARE(TRegularFile::writeReplacing(name, trusted, "replaced"), written);
    const QFileInfo entry(name);
    if (written) {
        QVERIFY(!entry.isSymLink() && entry.isFile());
        QFile result(name);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), QByteArray("replaced"));
    }
    // What stood at the name stays as it was.
    QCOMPARE(entry.isSymLink(), kind == QLatin1String("link") || kind == QLatin1String("dangling"));
    if (fifo) {
        QVERIFY(!fifo->readerWaited());
        QVERIFY(QFileInfo(name).exists() && !QFileInfo(name).isFile());
    }
    // Nothing elsewhere is written, made or replaced.
    QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList{"earlier"});
    QFile untouched(earlier);
    QVERIFY(untouched.open(QIODevice::ReadOnly));
    QCOMPARE(untouched.readAll(), QByteArray("earlier"));
    // No half-made file is left beside the name.
    const QStringList beside =
        QDir(QFileInfo(name).absolutePath()).entryList({QStringLiteral("name.new*")}, QDir::AllEntries | QDir::System);
    QCOMPARE(beside, kind == QLatin1String("link beside") ? QStringList{"name.new"} : QStringList());
}

TAMARIND_TEST_MAIN(tst_RegularFile)
#include "tst_regularfile.moc"
