// The program kept between runs: two runs of the windows on one temporary pair of folders,
// the second going on from what the first kept; damaged files and a too large input text
// in the status box; and --fresh, which writes nothing.

#include "views/session_keeper.h"

#include "screens/main_screen_texts.h"
#include "session/session_store.h"
#include "tests/views/view_test_support.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace cesuan {

using test::control;
using test::typeText;

namespace {

// One run of the program on the kept folders, its main window shown and active.
struct Run {
    explicit Run(const QString& folder)
        : store(folder + QStringLiteral("/config"), folder + QStringLiteral("/data")) {
        program.screens.keepSession(store);
    }
    QWidget* main() const { return program.main(); }
    QWidget* open(ScreenId screen) {
        program.screens.show(screen);
        return program.screens.window(screen);
    }
    QString status() const { return control<QPlainTextEdit>(main(), "Text3")->toPlainText(); }

    SessionStore store;  // outlives the windows that use it
    test::Program program;
};

void click(QWidget* window, const char* name) { QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton); }

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files.append(it.next());
    return files;
}

// The files the program keeps in the user's folders.
QStringList keptFiles() {
    QStringList files;
    for (const auto location : {QStandardPaths::AppConfigLocation, QStandardPaths::AppDataLocation})
        files += filesUnder(QStandardPaths::writableLocation(location));
    return files;
}

const QString kStartStatus = QString(texts::main::kStatusAtStart).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

}  // namespace

class SessionKeeperTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void historyVariablesAndPlacesSurviveARestart();
    void windowsGetTheirGeometryAndInputTextsBack();
    void firstStartIsTheProgramsStart();
    void damagedFilesGiveDefaultsAndNotices();
    void aTooLargeInputTextIsNotKept();
    void freshWritesNothing();
    void quittingKeepsEverything();  // last: it runs the application's event loop to its end

private:
    // A run on the test's folders whose main window came up.
    std::unique_ptr<Run> start() {
        auto run = std::make_unique<Run>(folder_->path());
        if (!run->program.screens.show(ScreenId::Main) || !QTest::qWaitForWindowActive(run->main())) return nullptr;
        return run;
    }

    QTemporaryDir home_;  // the user's folders while this test runs
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<test::ModalWatchdog> watchdog_;
};

void SessionKeeperTest::initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("HOME", home_.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    for (const auto location : {QStandardPaths::AppConfigLocation, QStandardPaths::AppDataLocation})
        QVERIFY(QStandardPaths::writableLocation(location).startsWith(home_.path()));
}

void SessionKeeperTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    watchdog_ = std::make_unique<test::ModalWatchdog>();
}

void SessionKeeperTest::cleanup() {
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
    folder_.reset();
}

void SessionKeeperTest::historyVariablesAndPlacesSurviveARestart() {
    {
        auto run = start();
        QVERIFY(run);
        QWidget* main = run->main();
        auto* formula = control<QLineEdit>(main, "Text1");
        typeText(formula, QStringLiteral("1+2"));
        click(main, "dcButton10");  // 计 算
        click(main, "dcButton9");   // 清 零: the formula goes into slot 19
        QCOMPARE(control<QLineEdit>(main, "Text4")->text(), u"19");

        auto* places = control<QComboBox>(main, "Combo1");
        places->showPopup();
        QAbstractItemView* list = places->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(4, 0)).center());
        QTRY_VERIFY(!list->window()->isVisible());
        click(main, "Command5");  // 弧度角 → 百分度.9999
        run->program.screens.settings().memoryVariables[0] = Decimal96::fromParts(150, 2, false);  // r = 1.50
        run->program.screens.settings().memoryVariables[8] = CalcValue(QStringLiteral("2e400"));

        main->close();  // keeps everything
    }

    auto run = start();
    QVERIFY(run);
    QWidget* main = run->main();
    QCOMPARE(run->status(), kStartStatus);
    QCOMPARE(control<QLineEdit>(main, "Text4")->text(), u"019");
    QCOMPARE(control<QComboBox>(main, "Combo1")->currentText(), u"4 位小数");
    QCOMPARE(control<QPushButton>(main, "Command5")->text(), u"百分度.9999");
    const CalcSettings& settings = run->program.screens.settings();
    QCOMPARE(settings.decimalPlaces, 4);
    QCOMPARE(settings.angleUnit, AngleUnit::DecimalDegree);
    QVERIFY(settings.memoryVariables[0].isDecimal());
    QCOMPARE(settings.memoryVariables[0].decimal().scale(), 2);
    QCOMPARE(settings.memoryVariables[0].text(), u"1.5");
    QVERIFY(settings.memoryVariables[8].isText());
    QCOMPARE(settings.memoryVariables[8].text(), u"2e400");

    auto* formula = control<QLineEdit>(main, "Text1");
    click(main, "dcButton11");  // <--: the slot on show first
    QCOMPARE(formula->text(), u" 1 + 2 ");  // as the compute wrote it
    click(main, "dcButton11");
    QCOMPARE(formula->text(), texts::main::kExamples[17]);
}

void SessionKeeperTest::windowsGetTheirGeometryAndInputTextsBack() {
    const QRect placed(37, 41, 480, 200);
    {
        auto run = start();
        QVERIFY(run);
        QWidget* split = run->open(ScreenId::NumberSplit);
        QVERIFY(QTest::qWaitForWindowExposed(split));
        split->setGeometry(placed);
        control<QLineEdit>(split, "Text1")->setText(QStringLiteral("-12.5"));
        QWidget* coordinates = run->open(ScreenId::Coordinates);
        control<QPlainTextEdit>(coordinates, "Text1")->setPlainText(QStringLiteral("甲 1 2\n乙 3 4"));
        QWidget* bases = run->open(ScreenId::BaseCalculator);
        control<QLineEdit>(bases, "Text2")->setText(QStringLiteral("FF"));
        split->close();
        coordinates->close();
        bases->close();
    }
    {
        // A run that opens only one window keeps what the others had.
        auto run = start();
        QVERIFY(run);
        QWidget* split = run->open(ScreenId::NumberSplit);
        QVERIFY(QTest::qWaitForWindowExposed(split));
        QCOMPARE(split->geometry(), placed);
        QCOMPARE(control<QLineEdit>(split, "Text1")->text(), u"-12.5");
        split->close();
    }
    auto run = start();
    QVERIFY(run);
    QCOMPARE(control<QPlainTextEdit>(run->open(ScreenId::Coordinates), "Text1")->toPlainText(), u"甲 1 2\n乙 3 4");
    QCOMPARE(control<QLineEdit>(run->open(ScreenId::BaseCalculator), "Text2")->text(), u"FF");
}

void SessionKeeperTest::firstStartIsTheProgramsStart() {
    test::Program plain;
    QVERIFY(plain.screens.show(ScreenId::Main));
    auto run = start();
    QVERIFY(run);
    for (const char* box : {"Text1", "Text2", "Text4"})
        QCOMPARE(control<QLineEdit>(run->main(), box)->text(), control<QLineEdit>(plain.main(), box)->text());
    QCOMPARE(run->status(), kStartStatus);
    QCOMPARE(control<QComboBox>(run->main(), "Combo1")->currentIndex(), 15);
    QCOMPARE(control<QPushButton>(run->main(), "Command5")->text(), u"弧度角");
    click(run->main(), "dcButton11");
    QCOMPARE(control<QLineEdit>(run->main(), "Text1")->text(), texts::main::kExamples[17]);
    QVERIFY(filesUnder(folder_->path()).isEmpty());  // nothing is written before a window closes
}

void SessionKeeperTest::damagedFilesGiveDefaultsAndNotices() {
    const QString settingsFile = folder_->filePath(QStringLiteral("config/cesuan.ini"));
    const QString dataFile = folder_->filePath(QStringLiteral("data/session.json"));
    write(settingsFile, "[calculator]\ndecimalPlaces=99\nangleUnit=60\n");
    write(dataFile, R"({"format": 1, "history": {"lastStoredSlot": 5, "shownSlot": 5, "formulas": [)");  // cut at byte 76

    auto run = start();
    QVERIFY(run);
    QCOMPARE(run->status(),
             QStringLiteral("上次保存的文件「") + settingsFile +
                 QStringLiteral("」已损坏（“calculator/decimalPlaces”的内容不合要求），小数位数、角度单位和窗口位置已按初始设置启动；"
                                "原文件已改名为「") +
                 settingsFile + QStringLiteral(".damaged」。\n上次保存的文件「") + dataFile +
                 QStringLiteral("」已损坏（第 76 字节处格式错误），历史算式、内存变量和输入框文字已按初始设置启动；原文件已改名为「") +
                 dataFile + QStringLiteral(".damaged」。\n") + kStartStatus);
    QCOMPARE(control<QLineEdit>(run->main(), "Text4")->text(), u"018");
    QCOMPARE(control<QComboBox>(run->main(), "Combo1")->currentIndex(), 15);
    QCOMPARE(control<QPushButton>(run->main(), "Command5")->text(), u"弧度角");
    click(run->main(), "dcButton11");
    QCOMPARE(control<QLineEdit>(run->main(), "Text1")->text(), texts::main::kExamples[17]);
}

void SessionKeeperTest::aTooLargeInputTextIsNotKept() {
    const QString note = QStringLiteral("「坐标转换」输入框的文字超过 1 MB，未予保存。");
    QString startExample;
    {
        auto run = start();
        QVERIFY(run);
        QWidget* coordinates = run->open(ScreenId::Coordinates);
        auto* input = control<QPlainTextEdit>(coordinates, "Text1");
        startExample = input->toPlainText();
        input->setPlainText(QString(kMaxKeptInputBytes, u'1') + u'\n');
        coordinates->close();
        QCOMPARE(run->status(), note);
        run->main()->close();
    }
    auto run = start();
    QVERIFY(run);
    QCOMPARE(run->status(), note + u'\n' + kStartStatus);
    QCOMPARE(control<QPlainTextEdit>(run->open(ScreenId::Coordinates), "Text1")->toPlainText(), startExample);
}

void SessionKeeperTest::freshWritesNothing() {
    // As the program starts: a store unless --fresh, kept by the registry when there is one.
    const auto runProgram = [](const QStringList& arguments) {
        const std::unique_ptr<SessionStore> store = SessionStoreForArguments(arguments);
        test::Program program;
        if (store) program.screens.keepSession(*store);
        QVERIFY(program.screens.show(ScreenId::Main));
        QWidget* main = program.main();
        QVERIFY(QTest::qWaitForWindowActive(main));
        typeText(control<QLineEdit>(main, "Text1"), QStringLiteral("1+2"));
        click(main, "dcButton9");
        program.screens.show(ScreenId::Statistics);
        program.screens.window(ScreenId::Statistics)->close();
        main->close();
    };
    runProgram({QStringLiteral("cesuan"), QStringLiteral("--fresh")});
    QCOMPARE(keptFiles(), QStringList());
    runProgram({QStringLiteral("cesuan")});  // the same run without it does keep
    QCOMPARE(keptFiles().size(), 2);
}

void SessionKeeperTest::quittingKeepsEverything() {
    {
        auto run = start();
        QVERIFY(run);
        typeText(control<QLineEdit>(run->main(), "Text1"), QStringLiteral("6*7"));
        click(run->main(), "dcButton9");  // into slot 19, and no window closes
        // exit() ends the loop without closing the windows first, as quit() would.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCOMPARE(QApplication::exec(), 0);
    }
    auto run = start();
    QVERIFY(run);
    click(run->main(), "dcButton11");
    QCOMPARE(control<QLineEdit>(run->main(), "Text1")->text(), u"6*7");
}

}  // namespace cesuan

QTEST_MAIN(cesuan::SessionKeeperTest)
#include "session_keeper_test.moc"
