#include "boardstate.h"
#include "testsupport.h"

// The simulated board knows every command the program sends, and answers
// each as the board does: with a reply, or with ACK alone.
class tst_BoardState : public QObject
{
    Q_OBJECT

private slots:
    void everyCommandOfTheProgramIsKnown_data();
    void everyCommandOfTheProgramIsKnown();
    void unknownCommand();
    void referenceReadThroughTheUserCorrection_data();
    void referenceReadThroughTheUserCorrection();
    void probeMemoryLastsOverARestart_data();
    void probeMemoryLastsOverARestart();
};

void tst_BoardState::everyCommandOfTheProgramIsKnown_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<bool>("reply");
    const QByteArray record = "1,PT100-A,450.0,-200.0,1,100,3.90830e-03,-5.77500e-07,-4.18300e-12,0,0,0,0,0,0,0,0,0,0,"
                              "0,0,0,0,1,0,2020,05,17,2,1,1,2,0";
    const QList<QPair<QByteArray, bool>> commands{
        {"*idn?", true},
        {"syst:cali?", true},
        {"syst:time:run?", true},
        {"syst:type 2", true},
        {"conf:chan 01", false},
        {"conf:chan:func 10,@1,@2", false},
        {"conf:chan?", true},
        {"meas:curr?", true},
        {"meas:raw? 1", true},
        {"sens:tc:mv 0", false},
        {"syst:swit:type? 1", true},
        {"syst:swit:snum? 1", true},
        {"syst:swit:pnum? 1", true},
        {"syst:swit:vers? 1", true},
        {"syst:swit:date? 1", true},
        {"syst:swit:date 1,2024,5,17", true},
        {"syst:swit:snum 1,SN-1", true},
        {"syst:swit:pnum 1,PCB-1", true},
        {"syst:swit:mode 1,1", true},
        {"prob:save 5," + record, true},
        {"prob:read? 5", true},
        {"prob:assi 82,1", false},
        {"sens:tc:assi 85,3", false},
        {"sens:ther:assi 84,2", false},
        {"prob:stat:refe 82,1", false},
        {"sens:tc:refe 85,1", false},
        {"sens:ther:refe 84,1", false},
        {"prob:iden 82,A", false},
        {"sens:tc:iden 85,B", false},
        {"sens:ther:iden 84,C", false},
        {"prob:tmax 82,400", false},
        {"sens:tc:tmax 85,400", false},
        {"sens:ther:tmax 84,100", false},
        {"prob:tmin 82,-100", false},
        {"sens:tc:tmin 85,-100", false},
        {"sens:ther:tmin 84,-10", false},
        {"prob:cal:date 82,2024,05,17", false},
        {"sens:tc:cal:date 85,2024,05,17", false},
        {"sens:ther:cal:date 84,2024,05,17", false},
        {"prob:kwc 82,2", false},
        {"prob:curr 82,1", false},
        {"prob:conv 82,2", false},
        {"prob:coef 82,1,100", false},
        {"prob:refe 82,3", false},
        {"prob:term 82,2", false},
        {"prob:type 82,1", false},
        {"prob:conf:curr 82,2", false},
        {"prob:curr? 82", true},
        {"sens:tc:type 85,7", false},
        {"sens:tc:comp 85,0", false},
        {"sens:tc:conv 85,1", false},
        {"sens:tc:coef 85,1,0", false},
        {"sens:ther:conv 84,2", false},
        {"sens:ther:coef 84,1,0.001", false},
        {"sens:ther:curr? 84", true},
        {"sens:ther:rang? 84", true},
        {"cal:data 1,0.000000000000e+00,1.000000000000e+00,2024,5,17", true},
        {"cal:fact:data 1,0.000000000000e+00,1.000000000000e+00,2024,5,17", true},
        {"cal:data? 1", true},
        {"cal:fact:data? 1", true},
        {"cal:cjc 3,0.000000000000e+00,2024,5,17", true},
        {"cal:fact:cjc 3,0.000000000000e+00,2024,5,17", true},
        {"cal:cjc? 3", true},
        {"cal:fact:cjc? 3", true},
        {"cal:rese", true},
        {"conf:chan:smar?", true},
        {"sens:frtd:iden X", true},
        {"sens:frtd:iden?", true},
        {"sens:frtd:stat:refe 1", true},
        {"sens:frtd:stat:refe?", true},
        {"sens:frtd:cal:date 2024,05,17", true},
        {"sens:frtd:cal:date?", true},
        {"sens:frtd:cal:next 2025,05,17", true},
        {"sens:frtd:cal:next?", true},
        {"sens:frtd:cal:sour Lab", true},
        {"sens:frtd:cal:sour?", true},
        {"sens:frtd:enab 1", true},
        {"sens:frtd:enab?", true},
        {"sens:frtd:lock 0", true},
        {"sens:frtd:lock?", true},
        {"sens:frtd:refe:res 2", true},
        {"sens:frtd:refe:res?", true},
        {"sens:frtd:stan 2", true},
        {"sens:frtd:stan?", true},
        {"sens:frtd:coef 1,100", true},
        {"sens:frtd:coef? 1", true},
        {"sens:frtd:rang 390,18", true},
        {"sens:frtd:rang?", true},
    };
    for (const auto& command : commands)
        QTest::newRow(command.first.constData()) << command.first << command.second;
}

void tst_BoardState::everyCommandOfTheProgramIsKnown()
{
    QFETCH(QByteArray, command);
    QFETCH(bool, reply);
    TBoardState board;
    const TBoardAnswer answer = board.execute(command, board.secondsSinceStart());
    QCOMPARE(answer.mReplyExpected, reply);
    QVERIFY2(answer.mReply != "E4", answer.mReply.constData());
}

void tst_BoardState::unknownCommand()
{
    TBoardState board;
    const TBoardAnswer answer = board.execute("prob:explode 5", 0.0);
    QVERIFY(answer.mReplyExpected);
    QCOMPARE(answer.mReply, QByteArray("E4"));
}

void tst_BoardState::referenceReadThroughTheUserCorrection_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("item");
    QTest::addColumn<QList<QByteArray>>("setup");
    QTest::addColumn<double>("reference");
    QTest::addColumn<double>("gain");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("reading");

    QTest::newRow("100 ohm range, neutral user data")
        << 1 << 2 << QList<QByteArray>() << 100.0 << 1.002 << 0.05 << 100.25;
    QTest::newRow("100 ohm range, user correction")
        << 1 << 2 << QList<QByteArray>{"cal:data 2,0.5,1.01,2024,1,2"} << 100.0 << 1.002 << 0.05 << 101.7525;
    QTest::newRow("factory correction is not the user's")
        << 1 << 2 << QList<QByteArray>{"cal:fact:data 2,5.0,2.0,2024,1,2"} << 100.0 << 1.002 << 0.05 << 100.25;
    QTest::newRow("25 ohm range of a Pt25 probe")
        << 1 << 1 << QList<QByteArray>{"prob:assi 83,1", "cal:data 1,0.1,0.99,2024,1,2"} << 25.0 << 1.0 << 0.0 << 24.85;
    QTest::newRow("10 kilo-ohm range of the thermistor")
        << 1 << 3 << QList<QByteArray>{"sens:ther:assi 84,1", "cal:data 3,2.0,1.001,2024,1,2"} << 10000.0 << 1.0 << 0.0
        << 10012.0;
    QTest::newRow("thermocouple input 3")
        << 3 << 5 << QList<QByteArray>{"cal:data 5,0.01,1.002,2024,1,2"} << 10.0 << 1.0 << 0.0 << 10.03;
    QTest::newRow("thermocouple input 4 with its own error")
        << 4 << 6 << QList<QByteArray>{"cal:data 6,-0.02,1.0,2024,1,2"} << 50.0 << 0.999 << 0.0 << 49.93;
}

// The board reads an item's range through the user's correction, raw values and the input's readings alike: a
// calibration measures true raw values only with neutral data stored, and a stored correction reads the reference
// true.
void tst_BoardState::referenceReadThroughTheUserCorrection()
{
    QFETCH(int, channel);
    QFETCH(int, item);
    QFETCH(QList<QByteArray>, setup);
    QFETCH(double, reference);
    QFETCH(double, gain);
    QFETCH(double, offset);
    QFETCH(double, reading);
    TBoardState board;
    for (const QByteArray& command : setup) {
        const TBoardAnswer answer = board.execute(command, 0.0);
        QVERIFY2(answer.mReply.isEmpty() || answer.mReply == "E0", command.constData());
    }
    board.mExternalReferences[channel] = reference;
    board.mRawErrors[size_t(item - 1)] = {gain, offset};

    const QList<QByteArray> raw = board.execute("meas:raw? " + QByteArray::number(item), 0.0).mReply.split(',');
    QCOMPARE(raw.size(), 2);
    QVERIFY2(qAbs(raw.at(0).toDouble() - reading) < 1e-9, raw.at(0).constData());
    QCOMPARE(raw.at(1), QByteArray("0"));
    board.execute("conf:chan " + QByteArray::number(channel), 0.0);
    const QList<QByteArray> current = board.execute("meas:curr?", 0.0).mReply.split(',');
    QVERIFY2(qAbs(current.at(0).toDouble() - reading) < 1e-9, current.join(',').constData());
}

void tst_BoardState::probeMemoryLastsOverARestart_data()
{
    QTest::addColumn<QList<QByteArray>>("commands");
    QTest::addColumn<QList<int>>("keptSlots");

    // A Pt100 record of the board's 33 fields, and the empty record that deletes a probe.
    const QByteArray bath = "prob:save 5,1,Bath A,450.0,-200.0,1,100,3.90830e-03,-5.77500e-07,-4.18300e-12,"
                            "0,0,0,0,0,0,0,0,0,0,0,0,0,0,3,0,2024,5,6,2,1,0,2,1";
    const QByteArray deleted = "prob:save 5,0," + QByteArray(",0").repeated(31);
    QTest::newRow("a new board") << QList<QByteArray>() << QList<int>();
    QTest::newRow("a custom probe stored") << QList<QByteArray>{bath} << QList<int>{5};
    QTest::newRow("a custom probe renamed and given a channel")
        << QList<QByteArray>{bath, "prob:iden 5,Bath B", "prob:assi 5,2"} << QList<int>{5};
    QTest::newRow("a custom probe stored and deleted") << QList<QByteArray>{bath, deleted} << QList<int>();
    QTest::newRow("a default probe given a channel") << QList<QByteArray>{"prob:assi 82,1"} << QList<int>{82};
}

// What a board keeps, filled into a new one, reads back as the first board held it: every record, with its 33rd
// field, and nothing more than the slots that changed.
void tst_BoardState::probeMemoryLastsOverARestart()
{
    QFETCH(QList<QByteArray>, commands);
    QFETCH(QList<int>, keptSlots);
    TBoardState board;
    for (const QByteArray& command : commands) {
        const QByteArray reply = board.execute(command, 0.0).mReply;
        QVERIFY2(reply.isEmpty() || reply == "E0", command.constData());
    }

    const QString kept = board.mProbeMemory.changedSlots();
    QList<int> changed;
    for (const QString& line : kept.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        changed << line.section(QLatin1Char(','), 0, 0).toInt();
    QCOMPARE(changed, keptSlots);

    TBoardState restarted;
    QString error;
    QVERIFY2(restarted.mProbeMemory.fillSlots(kept, error), qPrintable(error));
    for (int number = TSimulatedProbeMemory::FIRST_PROBE; number <= TSimulatedProbeMemory::LAST_PROBE; ++number) {
        const QByteArray read = "prob:read? " + QByteArray::number(number);
        QCOMPARE(restarted.execute(read, 0.0).mReply, board.execute(read, 0.0).mReply);
    }
}

TAMARIND_TEST_MAIN(tst_BoardState)
#include "tst_boardstate.moc"
