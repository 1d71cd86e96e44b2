// The Qt services the windows are given: printing without a printer, a web page without a
// browser, reading a file on a worker, and a long text put into a box by pieces.

#include "views/long_text.h"
#include "views/qt_platform.h"

#include "screens/platform_texts.h"
#include "tests/views/view_test_support.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextDocument>

#include <memory>

namespace cesuan {

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void withoutAPrinterThePageIsSavedAsPdf();
    void withoutAPrinterCancelSaysSoAndSavesNothing();
    void aPdfThatCannotBeWrittenIsSaid();
    void aPageWithoutABrowserShowsItsAddressToCopy();
    void aFileIsReadOnAWorker();
    void aLongTextGoesIntoTheBoxByPieces();

private:
    // The printer of a small window, with no printer installed.
    std::unique_ptr<QtWindowPrinter> printerWithoutPrinters();

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<QWidget> window_;
    RecordingMessageBox messages_;
    RecordingFileChooser files_;
    std::unique_ptr<QTemporaryDir> dir_;  // a new one for each test
};

void QtPlatformTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    window_ = std::make_unique<QWidget>();
    window_->resize(320, 200);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    messages_ = RecordingMessageBox();
    files_ = RecordingFileChooser();
}

void QtPlatformTest::cleanup() {
    window_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

std::unique_ptr<QtWindowPrinter> QtPlatformTest::printerWithoutPrinters() {
    auto printer = std::make_unique<QtWindowPrinter>(*window_, messages_, files_);
    printer->printerNames = [] { return QStringList(); };
    return printer;
}

void QtPlatformTest::withoutAPrinterThePageIsSavedAsPdf() {
    const QString pdf = dir_->filePath(QStringLiteral("页面.pdf"));
    messages_.answers = {true};
    files_.savePaths = {pdf};
    const PrintOutcome outcome = printerWithoutPrinters()->printWindow();
    QCOMPARE(messages_.questions, QStringList{u"没有可用的打印机。\n可以把本页保存为 PDF 文件。"_qs});
    QCOMPARE(messages_.accepts, QStringList{texts::printing::kSavePdf});
    QCOMPARE(files_.filters, QStringList{u"PDF 文件 (*.pdf)"_qs});
    QCOMPARE(int(outcome.kind), int(PrintOutcome::Kind::SavedAsPdf));
    QCOMPARE(outcome.where, pdf);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QVERIFY(file.size() > 1000);  // the page's image is in it
}

void QtPlatformTest::withoutAPrinterCancelSaysSoAndSavesNothing() {
    messages_.answers = {false};
    const PrintOutcome declined = printerWithoutPrinters()->printWindow();
    QCOMPARE(int(declined.kind), int(PrintOutcome::Kind::NoPrinter));
    QCOMPARE(messages_.shown, QStringList{texts::printing::kNoPrinter});
    QVERIFY(files_.saved.isEmpty());

    messages_.answers = {true};  // yes, but the file dialog is cancelled
    const PrintOutcome cancelled = printerWithoutPrinters()->printWindow();
    QCOMPARE(int(cancelled.kind), int(PrintOutcome::Kind::Cancelled));
    QCOMPARE(files_.saved.size(), 1);
    QVERIFY(QDir(dir_->path()).isEmpty());
}

void QtPlatformTest::aPdfThatCannotBeWrittenIsSaid() {
    const QString pdf = dir_->filePath(QStringLiteral("no folder/页面.pdf"));
    messages_.answers = {true};
    files_.savePaths = {pdf};
    const PrintOutcome outcome = printerWithoutPrinters()->printWindow();
    QCOMPARE(int(outcome.kind), int(PrintOutcome::Kind::PdfFailed));
    QCOMPARE(outcome.where, pdf);
}

void QtPlatformTest::aPageWithoutABrowserShowsItsAddressToCopy() {
    QtWebPageOpener web;
    QStringList asked;
    web.openUrl = [&asked](const QUrl& url) {
        asked.append(url.toString());
        return false;
    };
    QApplication::clipboard()->clear();
    QString text, address;
    bool selectable = false;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        answer.stop();
        text = box->text();
        address = box->informativeText();
        selectable = box->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
        for (QAbstractButton* button : box->buttons())
            if (button->text() == texts::web::kCopyAddress) return button->click();
        box->reject();
    });
    answer.start(10);
    watchdog_.reset();  // this box is answered here
    web.open(web::kCommunity);
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    QCOMPARE(asked, QStringList{web::kCommunity});
    QCOMPARE(text, texts::web::kNoBrowser);
    QCOMPARE(address, web::kCommunity);
    QVERIFY(selectable);
    QCOMPARE(QApplication::clipboard()->text(), web::kCommunity);
}

void QtPlatformTest::aFileIsReadOnAWorker() {
    QString text;
    for (int i = 0; i < 20000; ++i) text += QStringLiteral("测点%1,4395879.562,40400348.322,23.441\r\n").arg(i);
    const QString path = dir_->filePath(QStringLiteral("点.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringEncoder("GBK").encode(text));
    file.close();

    QtFileChooser chooser;
    const TextFileContent read = chooser.readText(path);
    QVERIFY(read.ok());
    QCOMPARE(int(read.encoding), int(TextEncoding::Gbk));
    QCOMPARE(read.text, text);
    QCOMPARE(int(chooser.readText(dir_->filePath(QStringLiteral("gone.csv"))).problem), int(FileProblem::Missing));
}

void QtPlatformTest::aLongTextGoesIntoTheBoxByPieces() {
    QString text;
    for (int i = 0; i < 60000; ++i) text += QStringLiteral("P%1,4395879.562,40400348.322,23.441\r\n").arg(i);
    QVERIFY(text.size() > kLongTextCharacters);
    const QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("old"));
    box.show();
    setLongTextIfChanged(&box, text);
    QCOMPARE(box.toPlainText(), shown);
    QCOMPARE(box.textCursor().position(), 0);
    QVERIFY(!box.document()->isUndoAvailable());
    QVERIFY(box.document()->isUndoRedoEnabled());  // typing can be undone again

    const int revision = box.document()->revision();
    setLongTextIfChanged(&box, text);  // the same text: nothing happens
    QCOMPARE(box.document()->revision(), revision);
    QTest::keyClick(&box, Qt::Key_X);  // an edit: the text goes in again
    setLongTextIfChanged(&box, text);
    QCOMPARE(box.toPlainText(), shown);
    setLongTextIfChanged(&box, QStringLiteral("short\r\ntext"));
    QCOMPARE(box.toPlainText(), u"short\ntext");
}

}  // namespace cesuan

QTEST_MAIN(cesuan::QtPlatformTest)
#include "qt_platform_test.moc"
