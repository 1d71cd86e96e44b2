// The binding every view runs its controller through: copy in, run, copy out, and no second
// operation while one is running (a message box turns the event loop meanwhile).

#include "views/screen_binding.h"

#include <QPushButton>
#include <QTest>

namespace cesuan {

class ScreenBindingTest : public QObject {
    Q_OBJECT

private slots:
    void copiesInRunsAndCopiesOutInOrder();
    void aClickDuringAnOperationIsNotEntered();
};

void ScreenBindingTest::copiesInRunsAndCopiesOutInOrder() {
    QStringList steps;
    ScreenBinding binding([&] { steps << QStringLiteral("in"); }, [&] { steps << QStringLiteral("out"); });
    binding.run([&] { steps << QStringLiteral("run"); });
    QCOMPARE(steps, (QStringList{QStringLiteral("in"), QStringLiteral("run"), QStringLiteral("out")}));
    QVERIFY(!binding.running());
}

void ScreenBindingTest::aClickDuringAnOperationIsNotEntered() {
    QPushButton button;
    int runs = 0, copies = 0;
    ScreenBinding binding(nullptr, [&] { ++copies; });
    binding.bind(&button, [&] {
        ++runs;
        QVERIFY(binding.running());
        button.click();  // as from the event loop of a message box the operation shows
    });
    button.click();
    QCOMPARE(runs, 1);
    QCOMPARE(copies, 1);
    button.click();  // once it has ended, the next click runs again
    QCOMPARE(runs, 2);
}

}  // namespace cesuan

QTEST_MAIN(cesuan::ScreenBindingTest)
#include "screen_binding_test.moc"
