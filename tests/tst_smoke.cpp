#include "support/test_support.h"

#include <QPushButton>

class SmokeTest : public QObject
{
    Q_OBJECT
private slots:
    void opens()
    {
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(control<QPushButton>(form, "Suivant")->text(), QString("Commencer"));
    }
};

QTEST_MAIN(SmokeTest)
#include "tst_smoke.moc"
