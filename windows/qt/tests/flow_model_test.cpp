// Random sessions of what a person can do with the real windows, checked step
// by step against an independent model of what they should show. A short run;
// the benchmarks soak many more steps. Replay a failure with
// TRIMVALE_SEED=<seed> set in the environment.
#include <testsupport/qt/flowsession.h>
#include <testsupport/qt/offscreen.h>

#include <windows/qt/look.h>

#include <QtTest/QtTest>

class FlowModelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomSessions_data();
    void randomSessions();
};

void FlowModelTest::initTestCase()
{
    windows::qt::applyLook();
    testsupport::quietenOffscreenRaise();
}

void FlowModelTest::randomSessions_data()
{
    QTest::addColumn<unsigned>("seed");
    const QByteArray fromEnvironment = qgetenv("TRIMVALE_SEED");
    if (!fromEnvironment.isEmpty()) {
        QTest::newRow("replay") << fromEnvironment.toUInt();
        return;
    }
    for (unsigned seed : {1U, 2U, 3U, 20261207U, 4242U})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void FlowModelTest::randomSessions()
{
    QFETCH(unsigned, seed);
    testsupport::FlowSession session(seed);
    QVERIFY(session.start());
    for (int step = 0; step < 400; ++step) {
        const QString difference = session.step();
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

QTEST_MAIN(FlowModelTest)
#include "flow_model_test.moc"
