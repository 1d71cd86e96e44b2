// The statistics window driven through its widgets, opened from the calculator window; the
// measures themselves are proved on the controller in tests/screens.

#include "views/statistics_view.h"

#include "screens/statistics_texts.h"
#include "tests/views/view_test_support.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;

namespace t = texts::statistics;

class StatisticsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnceWithTheStartExample();
    void startExampleIsComputedAndAligned();
    void pastedFullWidthTableWithTheCommaSeparator();
    void noLeadingColumnCountsTheNames();
    void blankSeparatorWarnsAndIsReplaced();
    void csvImportAndExportRoundTrip();

private:
    QLineEdit* box(int textNumber) const {
        const QByteArray name = "Text" + QByteArray::number(textNumber);
        return control<QLineEdit>(screen_, name.constData());
    }
    QPlainTextEdit* data() const { return control<QPlainTextEdit>(screen_, "Text1"); }
    void computeStatistics() { QTest::mouseClick(control<QPushButton>(screen_, "Command1"), Qt::LeftButton); }
    // Picks the item in the opened list with the keyboard, as the user does.
    static bool choose(QComboBox* combo, int index);
    // Replaces the data box's text by the clipboard's, as Ctrl+A, Ctrl+V do.
    void paste(const QString& table);

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void StatisticsViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    QTest::mouseClick(control<QPushButton>(program_->main(), "dcButton1"), Qt::LeftButton);  // statistics
    screen_ = program_->screens.window(ScreenId::Statistics);
    QVERIFY(qobject_cast<StatisticsView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void StatisticsViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

bool StatisticsViewTest::choose(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    if (!QTest::qWaitForWindowExposed(list->window())) return false;
    list->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
    return QTest::qWaitFor([list] { return !list->window()->isVisible(); }) && combo->currentIndex() == index;
}

void StatisticsViewTest::paste(const QString& table) {
    QApplication::clipboard()->setText(table);
    data()->setFocus();
    QTest::keyClick(data(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(data(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(data()->toPlainText(), table);
}

void StatisticsViewTest::opensOnceWithTheStartExample() {
    QCOMPARE(screen_->windowTitle(), u"数理统计 — 测算 CeSuan");
    QCOMPARE(control<QLabel>(screen_, "Label1")->text(), u"数理统计模块");
    QCOMPARE(control<QLabel>(screen_, "Label14")->text(), u"结果保留15 位小数！");
    QCOMPARE(control<QLabel>(screen_, "Label16")->text(), u"第五列数字");
    QCOMPARE(control<QLabel>(screen_, "Label13")->text(), u"合计数");
    QCOMPARE(control<QLabel>(screen_, "Label13")->toolTip(), u"个个数据的总和");
    QCOMPARE(control<QPushButton>(screen_, "Command2")->text(), u"打屏幕");
    // The CR LF line ends of the start example show as line breaks.
    QCOMPARE(data()->toPlainText(), u"例1a*2*3*4*5.987\n例2b的*2* *5*6.985\n例3c * 2 * 3.2346 * 6 * \n例4 * 2 * -33 * 7 * 98.7\n");
    QCOMPARE(box(2)->text(), u"");

    const auto* leading = control<QComboBox>(screen_, "Combo1");
    QCOMPARE(leading->count(), 4);
    QCOMPARE(leading->currentText(), u"1");
    const auto* separators = control<QComboBox>(screen_, "Combo2");
    QCOMPARE(separators->count(), t::kSeparators.size());
    QCOMPARE(separators->currentText(), u"*");
    QCOMPARE(separators->itemText(29), u"Tab");
    // The blank entry is readable in the list and still stands for the blank.
    QVERIFY(!separators->itemText(30).trimmed().isEmpty());
    QCOMPARE(separators->itemData(30).toString(), u" ");

    // The statistics button again brings the same window, with what was typed.
    QTest::keyClick(data(), Qt::Key_End, Qt::ControlModifier);
    test::typeText(data(), QStringLiteral("例5*9"));
    program_->main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    QTest::mouseClick(control<QPushButton>(program_->main(), "dcButton1"), Qt::LeftButton);
    QCOMPARE(program_->screens.window(ScreenId::Statistics), screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
    QVERIFY(data()->toPlainText().endsWith(u"98.7\n例5*9"));
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) windows += qobject_cast<StatisticsView*>(window) != nullptr;
    QCOMPARE(windows, 1);
}

void StatisticsViewTest::startExampleIsComputedAndAligned() {
    computeStatistics();
    // Each column right-aligned in its widest cell (a Chinese character counts two), line ends back as "\n".
    QCOMPARE(data()->toPlainText(), u"   例1a * 2 *      3 * 4 * 5.987 *  \n"
                                    u" 例2b的 * 2 *        * 5 * 6.985 *  \n"
                                    u"   例3c * 2 * 3.2346 * 6 *       *  \n"
                                    u"    例4 * 2 *    -33 * 7 *  98.7 *  \n");
    // Column 1 holds 2, 2, 2, 2; column 2 holds 3, 3.2346 and -33; column 5 is empty.
    const char16_t* const first[] = {u" 4", u" 2", u" 2", u" 2", u" 8", u" 0", u" 0", u" 0", u" 0", u" 0"};
    for (int r = 0; r < 10; ++r) QCOMPARE(box(2 + 5 * r)->text(), QString::fromUtf16(first[r]));
    QCOMPARE(box(3)->text(), u" 3");
    QCOMPARE(box(18)->text(), u"-8.9218");
    QCOMPARE(box(23)->text(), u"-26.7654");
    for (int r = 0; r < 10; ++r) QCOMPARE(box(6 + 5 * r)->text(), u" ");
    QVERIFY(box(2)->isReadOnly());
    QVERIFY(program_->messages.shown.isEmpty());
}

void StatisticsViewTest::pastedFullWidthTableWithTheCommaSeparator() {
    QVERIFY(choose(control<QComboBox>(screen_, "Combo2"), int(t::kSeparators.indexOf(QStringLiteral(",")))));
    paste(QStringLiteral("甲，１．５，－２\n乙，２．５，三\n"));
    computeStatistics();
    // 1.5 and 2.5; -2 and 3 (a Chinese numeral), as the same table in ASCII gives.
    QCOMPARE(box(2)->text(), u" 2");
    QCOMPARE(box(22)->text(), u" 4");
    QCOMPARE(box(17)->text(), u" 2");
    QCOMPARE(box(8)->text(), u"-2");
    QCOMPARE(box(23)->text(), u" 1");
    QCOMPARE(box(4)->text(), u" ");
    const QString table = data()->toPlainText();
    QVERIFY2(!table.contains(u'\r') && table.contains(u" , "), qPrintable(table));
    QCOMPARE(control<QComboBox>(screen_, "Combo2")->currentText(), u",");
    QVERIFY(program_->messages.shown.isEmpty());
}

// Without a name column the names are no numbers: they stay in the table as typed, are not
// counted, and one box names them.
void StatisticsViewTest::noLeadingColumnCountsTheNames() {
    QVERIFY(choose(control<QComboBox>(screen_, "Combo1"), 0));
    const QString firstName = data()->toPlainText().section(u'*', 0, 0).trimmed();
    computeStatistics();
    QCOMPARE(box(2)->text(), u" ");
    QVERIFY2(data()->toPlainText().contains(firstName), qPrintable(data()->toPlainText()));
    QCOMPARE(program_->messages.shown.size(), 1);
    QVERIFY(program_->messages.shown[0].startsWith(u"以下单元格不是数字，未参加统计："));
}

void StatisticsViewTest::blankSeparatorWarnsAndIsReplaced() {
    auto* separators = control<QComboBox>(screen_, "Combo2");
    QVERIFY(choose(separators, int(t::kSeparators.size()) - 1));
    QCOMPARE(program_->messages.shown, QStringList{t::kBlankSeparatorWarning});
    QCOMPARE(program_->messages.titles, QStringList{t::kBlankSeparatorTitle});

    // Computing turns the blanks into stars and puts the list back on "*".
    paste(QStringLiteral("a 1*0 2\n"));
    computeStatistics();
    QCOMPARE(program_->messages.shown.size(), 2);
    QCOMPARE(program_->messages.shown[1], t::kBlankSeparatorReplaced);
    QCOMPARE(separators->currentText(), u"*");
    QCOMPARE(box(17)->text(), u" 10");  // "1*0" lost its star
    QCOMPARE(box(18)->text(), u" 2");
}

// 导 入 reads a GBK and a UTF-8 CSV file into the data box with the comma as separator;
// 保 存 writes the table and the measures; Ctrl+O brings the saved table back.
void StatisticsViewTest::csvImportAndExportRoundTrip() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString table = QStringLiteral("测点1,1.5,2\r\n测点2,2.5,4\r\n测点3,3.5,9\r\n");
    const QString gbk = dir.filePath(QStringLiteral("gbk.csv")), utf8 = dir.filePath(QStringLiteral("utf8.csv"));
    for (const auto& [path, bytes] : {std::pair{gbk, QByteArray(QStringEncoder("GBK").encode(table))},
                                      std::pair{utf8, table.toUtf8()}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    auto* separators = control<QComboBox>(screen_, "Combo2");
    const QString shown = QStringLiteral("测点1,1.5,2\n测点2,2.5,4\n测点3,3.5,9\n");
    program_->files.openPaths = {gbk, utf8};
    for (int i = 0; i < 2; ++i) {
        data()->setPlainText(QStringLiteral("x*1"));
        QTest::mouseClick(control<QPushButton>(screen_, "Command5"), Qt::LeftButton);  // 导 入
        QCOMPARE(data()->toPlainText(), shown);
        QCOMPARE(separators->currentText(), u",");
    }
    computeStatistics();
    QCOMPARE(box(2)->text(), u" 3");
    QCOMPARE(box(18)->text(), u" 5");  // the mean of 2, 4 and 9
    const QString aligned = data()->toPlainText();

    const QString saved = dir.filePath(QStringLiteral("统计结果.csv"));
    program_->files.savePaths = {saved};
    QTest::mouseClick(control<QPushButton>(screen_, "Command4"), Qt::LeftButton);  // 保 存
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.startsWith("\xEF\xBB\xBF测点1,1.5,2,,,\r\n"), bytes.constData());  // every column the table shows
    QVERIFY(bytes.contains("\r\n\r\n统计结果,第一列数字,第二列数字,第三列数字,第四列数字,第五列数字\r\n频数N,3,3,,,\r\n"));

    QVERIFY(choose(separators, 0));
    data()->setPlainText(QStringLiteral("x*1"));
    computeStatistics();
    program_->files.openPaths = {saved};
    QTest::keyClick(data(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(separators->currentText(), u",");
    QCOMPARE(box(2)->text(), u"");  // the old measures are gone
    computeStatistics();
    QCOMPARE(data()->toPlainText(), aligned);
    QCOMPARE(box(18)->text(), u" 5");
    QVERIFY(program_->messages.shown.isEmpty());
}

}  // namespace cesuan

QTEST_MAIN(cesuan::StatisticsViewTest)
#include "statistics_view_test.moc"
