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

TAMARIND_TEST_MAIN(tst_BoardState)
#include "tst_boardstate.moc"
