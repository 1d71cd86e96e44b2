// The files that keep the program's state between runs: what a save writes a load gives back
// exactly, and a missing, damaged, unreadable or oversized file gives the defaults of its
// parts with a note, never a failure.

#include "session/session_store.h"

#include "tests/support/journal_fixture.h"  // PrintTo for QString

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <bit>
#include <cmath>
#include <limits>

namespace cesuan {
namespace {

class SessionStoreTest : public ::testing::Test {
protected:
    QString settingsFolder() const { return dir_.filePath(QStringLiteral("config")); }
    QString dataFolder() const { return dir_.filePath(QStringLiteral("data")); }
    SessionStore store() const { return SessionStore(settingsFolder(), dataFolder()); }

    static void write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

// Same form and same bits: a decimal's scale and sign bit, a double's bits, a text as typed.
void expectIdentical(const CalcValue& got, const CalcValue& want) {
    ASSERT_EQ(got.kind(), want.kind());
    switch (want.kind()) {
    case CalcValue::Kind::Empty: break;
    case CalcValue::Kind::Decimal:
        EXPECT_TRUE(got.decimal().coefficient() == want.decimal().coefficient());
        EXPECT_EQ(got.decimal().scale(), want.decimal().scale());
        EXPECT_EQ(got.decimal().signBit(), want.decimal().signBit());
        break;
    case CalcValue::Kind::Double:
        EXPECT_EQ(std::bit_cast<std::uint64_t>(got.doubleValue()), std::bit_cast<std::uint64_t>(want.doubleValue()));
        break;
    case CalcValue::Kind::Text: EXPECT_EQ(got.text(), want.text()); break;
    }
}

TEST_F(SessionStoreTest, FirstStartGivesTheDefaultsWithoutNotes) {
    SessionStore first = store();
    const SessionStore::Loaded loaded = first.load();
    EXPECT_TRUE(loaded.notes.isEmpty());
    EXPECT_FALSE(loaded.state.history.has_value());
    EXPECT_TRUE(loaded.state.geometry.empty());
    EXPECT_TRUE(loaded.state.inputs.empty());
    EXPECT_EQ(loaded.state.settings.decimalPlaces, 15);
    EXPECT_EQ(loaded.state.settings.angleUnit, AngleUnit::Radian);
    for (std::size_t k = 0; k < 9; ++k) expectIdentical(loaded.state.settings.memoryVariables[k], int(k + 1));
    EXPECT_FALSE(QFileInfo::exists(settingsFolder()));  // loading writes nothing
    EXPECT_FALSE(QFileInfo::exists(dataFolder()));
}

TEST_F(SessionStoreTest, ASavedStateComesBackExactly) {
    SessionState state;
    state.settings.decimalPlaces = 7;
    state.settings.angleUnit = AngleUnit::Dms;
    state.settings.memoryVariables = {
        Decimal96::fromParts(150, 2, false),                       // 1.50 keeps its scale
        Decimal96::fromParts(0, 3, true),                          // -0.000 keeps its sign bit
        Decimal96::fromParts(Decimal96::kMaxCoefficient, 28, true),  // every digit, scale 28
        CalcValue(0.1),                                            // needs all 17 digits
        CalcValue(-0.0),
        CalcValue(std::numeric_limits<double>::infinity()),
        CalcValue(QStringLiteral(" 1.5E+300 ")),                   // a text stays a text
        CalcValue(),
        Decimal96::max(),
    };
    FormulaHistory history;
    history.formulas[1] = QStringLiteral("2除-3");
    history.formulas[500] = QStringLiteral("sin(30)\t\"引号\"\\");
    history.formulas[999] = QString(QChar(0)) + QChar(0xD800) + QStringLiteral("末");  // a lone surrogate too
    history.lastStoredSlot = 500;
    history.shownSlot = 3;
    state.history = history;
    state.geometry[ScreenId::Main] = QByteArray("\x00\x01\xff geometry", 13);
    state.geometry[ScreenId::Coordinates] = QByteArray(300, '\x7f');
    state.inputs[ScreenId::Coordinates][QStringLiteral("Text1")] = QStringLiteral("1 2\n3 4\r\n五 六");
    state.inputs[ScreenId::BaseCalculator][QStringLiteral("Text1")] = QStringLiteral("FF");
    state.inputs[ScreenId::BaseCalculator][QStringLiteral("Text2")] = QString();

    EXPECT_TRUE(store().save(state).isEmpty());
    SessionStore next = store();
    const SessionStore::Loaded loaded = next.load();
    EXPECT_TRUE(loaded.notes.isEmpty()) << loaded.notes.join(u'\n').toStdString();
    EXPECT_EQ(loaded.state.settings.decimalPlaces, 7);
    EXPECT_EQ(loaded.state.settings.angleUnit, AngleUnit::Dms);
    for (std::size_t k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        expectIdentical(loaded.state.settings.memoryVariables[k], state.settings.memoryVariables[k]);
    }
    EXPECT_EQ(loaded.state.history, state.history);
    EXPECT_EQ(loaded.state.geometry, state.geometry);
    EXPECT_EQ(loaded.state.inputs, state.inputs);

    // Saved again, nothing is lost on the way.
    EXPECT_TRUE(next.save(loaded.state).isEmpty());
    EXPECT_EQ(store().load().state.history, state.history);
}

TEST_F(SessionStoreTest, AnInputTextAboveOneMegabyteIsNotKept) {
    SessionState state;
    const QString exactly(kMaxKeptInputBytes, u'x');
    state.inputs[ScreenId::Statistics][QStringLiteral("Text1")] = exactly;
    // One byte too many: three bytes of UTF-8 where two would have fitted.
    state.inputs[ScreenId::Coordinates][QStringLiteral("Text1")] = QString(kMaxKeptInputBytes - 2, u'x') + u'中';
    state.inputs[ScreenId::Bearing][QStringLiteral("Text1")] = QStringLiteral("1 2 3");
    const QString note = QStringLiteral("「坐标转换」输入框的文字超过 1 MB，未予保存。");

    EXPECT_EQ(store().save(state), QStringList{note});
    SessionStore next = store();
    const SessionStore::Loaded loaded = next.load();
    EXPECT_EQ(loaded.notes, QStringList{note});  // said again at the start of the next run
    EXPECT_EQ(loaded.state.inputs.at(ScreenId::Statistics).at(QStringLiteral("Text1")), exactly);
    EXPECT_EQ(loaded.state.inputs.at(ScreenId::Bearing).at(QStringLiteral("Text1")), QStringLiteral("1 2 3"));
    EXPECT_FALSE(loaded.state.inputs.contains(ScreenId::Coordinates));

    // A text made too large by hand in the file is not taken either.
    write(next.dataFile(), R"({"format": 1, "inputs": {"angles": {"Text1": ")" + QByteArray(kMaxKeptInputBytes + 1, '1') +
                               R"("}}})");
    const SessionStore::Loaded edited = store().load();
    EXPECT_EQ(edited.notes, QStringList{QStringLiteral("「角度变换」输入框的文字超过 1 MB，未予保存。")});
    EXPECT_TRUE(edited.state.inputs.empty());
}

struct DamagedData {
    const char* name;
    QByteArray contents;
    QString reason;
};

TEST_F(SessionStoreTest, ADamagedDataFileGivesItsDefaultsAndANote) {
    const QByteArray valid = R"({"format": 1, "history": {"lastStoredSlot": 2, "shownSlot": 1, "formulas": ["1+1", "2+2"]}})";
    const auto withHistory = [](const char* history) {
        return QByteArray(R"({"format": 1, "history": )") + history + '}';
    };
    const auto withVariable = [](const char* variable) {
        QByteArray variables = R"({"format": 1, "variables": [)";
        for (int k = 0; k < 8; ++k) variables += R"({"form": "empty"}, )";
        return variables + variable + "]}";
    };
    const QByteArray tooManyFormulas = withHistory(
        (R"({"lastStoredSlot": 1, "shownSlot": 1, "formulas": [)" + QByteArray("\"\",").repeated(999) + "\"\"]}").constData());
    const QString formatError = QStringLiteral("格式错误");
    const DamagedData cases[] = {
        {"garbage", QByteArray("\x00\xff\xfe garbage", 12), formatError},
        {"cut short", valid.left(valid.size() / 2), formatError},
        {"empty file", QByteArray(), formatError},
        {"nested too deep", QByteArray(5000, '['), formatError},
        {"not an object", "[1, 2]", QStringLiteral("“/”")},
        {"no format", "{}", QStringLiteral("“format”")},
        {"a later format", R"({"format": 2})", QStringLiteral("“format”")},
        {"history not an object", withHistory("[]"), QStringLiteral("“history”")},
        {"slot 0", withHistory(R"({"lastStoredSlot": 1, "shownSlot": 0, "formulas": []})"), QStringLiteral("“history.shownSlot”")},
        {"slot 1000", withHistory(R"({"lastStoredSlot": 1000, "shownSlot": 1, "formulas": []})"),
         QStringLiteral("“history.lastStoredSlot”")},
        {"slot 1.5", withHistory(R"({"lastStoredSlot": 2, "shownSlot": 1.5, "formulas": []})"), QStringLiteral("“history.shownSlot”")},
        {"slot as text", withHistory(R"({"lastStoredSlot": "2", "shownSlot": 1, "formulas": []})"),
         QStringLiteral("“history.lastStoredSlot”")},
        {"formula a number", withHistory(R"({"lastStoredSlot": 2, "shownSlot": 1, "formulas": ["1", 2]})"),
         QStringLiteral("“history.formulas[2]”")},
        {"1000 formulas", tooManyFormulas, QStringLiteral("“history.formulas”")},
        {"eight variables", R"({"format": 1, "variables": [1, 2, 3, 4, 5, 6, 7, 8]})", QStringLiteral("“variables”")},
        {"unknown form", withVariable(R"({"form": "complex", "value": "1"})"), QStringLiteral("“variables.z”")},
        {"decimal with exponent", withVariable(R"({"form": "decimal", "value": "1e5"})"), QStringLiteral("“variables.z”")},
        {"decimal scale 29", withVariable(R"({"form": "decimal", "value": "0.00000000000000000000000000001"})"),
         QStringLiteral("“variables.z”")},
        {"decimal above 96 bits", withVariable(R"({"form": "decimal", "value": "79228162514264337593543950336"})"),
         QStringLiteral("“variables.z”")},
        {"double no number", withVariable(R"({"form": "double", "value": "1,5"})"), QStringLiteral("“variables.z”")},
        {"value a number", withVariable(R"({"form": "text", "value": 1})"), QStringLiteral("“variables.z”")},
        {"inputs a list", R"({"format": 1, "inputs": []})", QStringLiteral("“inputs”")},
        {"input a number", R"({"format": 1, "inputs": {"angles": {"Text1": 1}}})", QStringLiteral("“inputs.angles.Text1”")},
        {"not kept a text", R"({"format": 1, "notKept": "angles"})", QStringLiteral("“notKept”")},
    };
    for (const DamagedData& c : cases) {
        SCOPED_TRACE(c.name);
        const QTemporaryDir dir;
        SessionStore damaged(dir.filePath(QStringLiteral("config")), dir.filePath(QStringLiteral("data")));
        write(damaged.settingsFile(), "[calculator]\ndecimalPlaces=5\n");
        write(damaged.dataFile(), c.contents);

        const SessionStore::Loaded loaded = damaged.load();
        ASSERT_EQ(loaded.notes.size(), 1);
        const QString aside = damaged.dataFile() + QStringLiteral(".damaged");
        EXPECT_TRUE(loaded.notes[0].startsWith(QStringLiteral("上次保存的文件「") + QDir::toNativeSeparators(damaged.dataFile()) +
                                               QStringLiteral("」已损坏（")));
        EXPECT_TRUE(loaded.notes[0].contains(c.reason)) << loaded.notes[0].toStdString();
        EXPECT_TRUE(loaded.notes[0].endsWith(QStringLiteral("），历史算式、内存变量和输入框文字已按初始设置启动；原文件已改名为「") +
                                             QDir::toNativeSeparators(aside) + QStringLiteral("」。")));
        EXPECT_FALSE(loaded.state.history.has_value());
        expectIdentical(loaded.state.settings.memoryVariables[8], 9);
        EXPECT_TRUE(loaded.state.inputs.empty());
        EXPECT_EQ(loaded.state.settings.decimalPlaces, 5);  // the other file is not affected

        // What the damaged file held is kept aside, and the next save writes a good file.
        EXPECT_EQ(read(aside), c.contents);
        EXPECT_TRUE(damaged.save(loaded.state).isEmpty());
        EXPECT_TRUE(store().load().notes.isEmpty());
    }
}

TEST_F(SessionStoreTest, TheNoteOnAFileThatIsNoJsonNamesTheByte) {
    SessionStore damaged = store();
    write(damaged.dataFile(), R"({"format": 1,, })");  // byte 14 (counted from 1) is the second comma
    const QString file = QDir::toNativeSeparators(damaged.dataFile());
    EXPECT_EQ(damaged.load().notes,
              QStringList{QStringLiteral("上次保存的文件「") + file +
                          QStringLiteral("」已损坏（第 14 字节处格式错误），历史算式、内存变量和输入框文字已按初始设置启动；"
                                         "原文件已改名为「") +
                          file + QStringLiteral(".damaged」。")});
}

struct DamagedSettings {
    const char* name;
    QByteArray contents;
    QString reason;
};

TEST_F(SessionStoreTest, ADamagedSettingsFileGivesItsDefaultsAndANote) {
    const DamagedSettings cases[] = {
        {"places no number", "[calculator]\ndecimalPlaces=abc\n", QStringLiteral("“calculator/decimalPlaces”的内容不合要求")},
        {"places 29", "[calculator]\ndecimalPlaces=29\n", QStringLiteral("“calculator/decimalPlaces”")},
        {"places -1", "[calculator]\ndecimalPlaces=-1\n", QStringLiteral("“calculator/decimalPlaces”")},
        {"no angle unit", "[calculator]\nangleUnit=45\n", QStringLiteral("“calculator/angleUnit”")},
        {"geometry a text", "[geometry]\nmain=wide\n", QStringLiteral("“geometry/main”")},
        {"empty key", "\x01[[[\xff\n=x\n", QStringLiteral("“geometry/”")},
        {"no INI", "[[[\n", QStringLiteral("不是设置文件的格式")},
    };
    for (const DamagedSettings& c : cases) {
        SCOPED_TRACE(c.name);
        const QTemporaryDir dir;
        SessionStore damaged(dir.filePath(QStringLiteral("config")), dir.filePath(QStringLiteral("data")));
        SessionState kept;
        kept.settings.angleUnit = AngleUnit::DecimalDegree;
        kept.history = FormulaHistory();
        kept.history->formulas[1] = QStringLiteral("1+1");
        ASSERT_TRUE(damaged.save(kept).isEmpty());
        write(damaged.settingsFile(), "[calculator]\nangleUnit=100\n[geometry]\nmain=@ByteArray(abc)\n" + c.contents);

        const SessionStore::Loaded loaded = damaged.load();
        ASSERT_EQ(loaded.notes.size(), 1);
        EXPECT_TRUE(loaded.notes[0].startsWith(QStringLiteral("上次保存的文件「") +
                                               QDir::toNativeSeparators(damaged.settingsFile()) + QStringLiteral("」已损坏（")));
        EXPECT_TRUE(loaded.notes[0].contains(c.reason)) << loaded.notes[0].toStdString();
        EXPECT_TRUE(loaded.notes[0].contains(QStringLiteral("小数位数、角度单位和窗口位置已按初始设置启动")));
        EXPECT_EQ(loaded.state.settings.decimalPlaces, 15);
        EXPECT_EQ(loaded.state.settings.angleUnit, AngleUnit::Radian);
        EXPECT_TRUE(loaded.state.geometry.empty());
        EXPECT_EQ(loaded.state.history, kept.history);  // the other file is not affected
        EXPECT_TRUE(QFileInfo::exists(damaged.settingsFile() + QStringLiteral(".damaged")));
    }
}

TEST_F(SessionStoreTest, AnOversizedFileIsNotRead) {
    SessionStore large = store();
    for (const auto& [path, size] : {std::pair{large.settingsFile(), SessionStore::kMaxSettingsFileBytes + 1},
                                     std::pair{large.dataFile(), SessionStore::kMaxDataFileBytes + 1}}) {
        write(path, QByteArray());
        QFile file(path);
        ASSERT_TRUE(file.resize(size));  // sparse: no time or disk spent
    }
    const SessionStore::Loaded loaded = large.load();
    ASSERT_EQ(loaded.notes.size(), 2);
    EXPECT_TRUE(loaded.notes[0].contains(QStringLiteral("（文件大于 1 MB）"))) << loaded.notes[0].toStdString();
    EXPECT_TRUE(loaded.notes[1].contains(QStringLiteral("（文件大于 256 MB）"))) << loaded.notes[1].toStdString();
    EXPECT_FALSE(loaded.state.history.has_value());
    EXPECT_TRUE(large.save(loaded.state).isEmpty());
}

TEST_F(SessionStoreTest, AFileThatCannotBeReadIsLeftAlone) {
    SessionStore blocked = store();
    ASSERT_TRUE(QDir().mkpath(blocked.dataFile()));  // a folder where the file should be
    const SessionStore::Loaded loaded = blocked.load();
    EXPECT_EQ(loaded.notes, QStringList{QStringLiteral("上次保存的文件「") + QDir::toNativeSeparators(blocked.dataFile()) +
                                        QStringLiteral("」无法读取，历史算式、内存变量和输入框文字已按初始设置启动；"
                                                       "本次运行不会改写该文件。")});
    EXPECT_TRUE(blocked.save(loaded.state).isEmpty());
    EXPECT_TRUE(QFileInfo(blocked.dataFile()).isDir());
    EXPECT_TRUE(QFileInfo(blocked.settingsFile()).isFile());  // the other file is written
}

TEST_F(SessionStoreTest, AFileThatCannotBeWrittenIsNamed) {
    write(dataFolder(), "a file where the folder should be");
    SessionStore stuck = store();
    ASSERT_TRUE(stuck.load().notes.isEmpty());
    EXPECT_EQ(stuck.save(SessionState()),
              QStringList{QStringLiteral("文件「") + QDir::toNativeSeparators(stuck.dataFile()) +
                          QStringLiteral("」无法写入，历史算式、内存变量和输入框文字未能保存。")});
}

TEST(SessionStoreForArguments, FreshKeepsNothingAndOtherArgumentsAreIgnored) {
    QStandardPaths::setTestModeEnabled(true);
    const struct {
        QStringList arguments;
        bool kept;
    } cases[] = {
        {{QStringLiteral("cesuan")}, true},
        {{QStringLiteral("cesuan"), QStringLiteral("--fresh")}, false},
        {{QStringLiteral("cesuan"), QStringLiteral("-fresh")}, false},
        {{QStringLiteral("cesuan"), QStringLiteral("--unknown"), QStringLiteral("1+2"), QStringLiteral("--fresh")}, false},
        {{QStringLiteral("cesuan"), QStringLiteral("--unknown"), QStringLiteral("-x")}, true},
        {{QStringLiteral("cesuan"), QStringLiteral("--"), QStringLiteral("--fresh")}, true},  // a plain argument
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const std::unique_ptr<SessionStore> store = SessionStoreForArguments(c.arguments);
        ASSERT_EQ(store != nullptr, c.kept);
        if (!store) continue;
        EXPECT_EQ(QFileInfo(store->settingsFile()).absolutePath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
        EXPECT_EQ(QFileInfo(store->dataFile()).absolutePath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
}

}  // namespace
}  // namespace cesuan
