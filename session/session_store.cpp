#include "session/session_store.h"

#include "screens/coordinate_texts.h"
#include "screens/area_texts.h"
#include "screens/forward_texts.h"
#include "screens/help_texts.h"
#include "screens/main_screen_texts.h"
#include "screens/module_menu_texts.h"
#include "session/session_texts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <array>
#include <charconv>
#include <cmath>
#include <set>
#include <utility>

namespace cesuan {

namespace t = texts::session;

namespace {

constexpr std::array<std::pair<ScreenId, const char16_t*>, 22> kKeys = {{
    {ScreenId::Main, u"main"},
    {ScreenId::ModuleMenu, u"moduleMenu"},
    {ScreenId::Variables, u"variables"},
    {ScreenId::Help, u"help"},
    {ScreenId::Statistics, u"statistics"},
    {ScreenId::Angles, u"angles"},
    {ScreenId::BaseCalculator, u"baseCalculator"},
    {ScreenId::NumberSplit, u"numberSplit"},
    {ScreenId::Coordinates, u"coordinates"},
    {ScreenId::Bearing, u"bearing"},
    {ScreenId::Attitude, u"attitude"},
    {ScreenId::Welcome, u"welcome"},
    {ScreenId::ButtonTest, u"buttonTest"},
    {ScreenId::Transform, u"transform"},
    {ScreenId::Area, u"area"},
    {ScreenId::Forward, u"forward"},
    {ScreenId::Regression, u"regression"},
    {ScreenId::Matrix, u"matrix"},
    {ScreenId::Equations, u"equations"},
    {ScreenId::Errors, u"errors"},
    {ScreenId::Derivative, u"derivative"},
    {ScreenId::Integral, u"integral"},
}};

}  // namespace

QString SessionKey(ScreenId screen) {
    for (const auto& [id, key] : kKeys)
        if (id == screen) return QString::fromUtf16(key);
    return QString();
}

std::optional<ScreenId> ScreenForSessionKey(const QString& key) {
    for (const auto& [id, name] : kKeys)
        if (key == QStringView(name)) return id;
    return std::nullopt;
}

QString SessionCaption(ScreenId screen) {
    switch (screen) {
    case ScreenId::Main: return texts::main::kWindowTitle;
    case ScreenId::ModuleMenu: return texts::menu::kWindowTitle;
    case ScreenId::Variables: return texts::main::kEditVariables;
    case ScreenId::Help: return texts::help::kWindowTitle;
    case ScreenId::Statistics: return texts::main::kStatistics;
    case ScreenId::Angles: return texts::main::kAngles;
    case ScreenId::BaseCalculator: return texts::main::kBases;
    case ScreenId::NumberSplit: return t::kNumberSplit;
    case ScreenId::Coordinates: return texts::main::kCoordinates;
    case ScreenId::Bearing: return texts::main::kBearing;
    case ScreenId::Attitude: return texts::main::kAttitude;
    case ScreenId::Welcome: return texts::menu::kWelcomeTitle;
    case ScreenId::ButtonTest: return texts::menu::kButtonTestTitle;
    case ScreenId::Transform: return texts::coordinates::kGps;
    case ScreenId::Area: return texts::area::kCaption;
    case ScreenId::Forward: return texts::forward::kCaption;
    case ScreenId::Regression: return texts::menu::kCaptions[8];
    case ScreenId::Matrix: return texts::help::kMatrixTitle;
    case ScreenId::Equations: return texts::help::kEquationsTitle;
    case ScreenId::Errors: return texts::help::kErrorsTitle;
    case ScreenId::Derivative: return texts::help::kDerivativeTitle;
    case ScreenId::Integral: return texts::help::kIntegralTitle;
    }
    return QString();
}

namespace {

constexpr int kDataFormat = 1;
constexpr int kVariableCount = 9;
const QString kPlacesKey = QStringLiteral("calculator/decimalPlaces");
const QString kAngleUnitKey = QStringLiteral("calculator/angleUnit");
const QString kGeometryGroup = QStringLiteral("geometry");

// --- Memory variables, each in its own form and exactly ---

// A decimal with every digit of its scale and its sign bit: 1.50 stays 1.50, -0 stays -0.
QString exactDecimalText(const Decimal96& value) {
    QString digits;
    uint128 c = value.coefficient();
    do {
        digits.prepend(QChar(u'0' + int(c % 10)));
        c /= 10;
    } while (c != 0);
    const int scale = value.scale();
    if (digits.size() <= scale) digits.prepend(QString(scale + 1 - digits.size(), u'0'));
    if (scale > 0) digits.insert(digits.size() - scale, u'.');
    if (value.signBit()) digits.prepend(u'-');
    return digits;
}

std::optional<Decimal96> exactDecimalFromText(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(-?)([0-9]+)(?:\\.([0-9]+))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QString fraction = match.captured(3);
    if (fraction.size() > Decimal96::kMaxScale) return std::nullopt;
    uint128 coefficient = 0;
    for (const QChar digit : match.captured(2) + fraction) {
        const int d = digit.unicode() - u'0';
        if (coefficient > (Decimal96::kMaxCoefficient - uint128(d)) / 10) return std::nullopt;
        coefficient = coefficient * 10 + uint128(d);
    }
    return Decimal96::fromParts(coefficient, int(fraction.size()), !match.captured(1).isEmpty());
}

QJsonObject encodeValue(const CalcValue& value) {
    switch (value.kind()) {
    case CalcValue::Kind::Empty: return {{QStringLiteral("form"), QStringLiteral("empty")}};
    case CalcValue::Kind::Decimal:
        return {{QStringLiteral("form"), QStringLiteral("decimal")},
                {QStringLiteral("value"), exactDecimalText(value.decimal())}};
    case CalcValue::Kind::Double: {
        // The shortest text that reads back as the same double, "-0" and "inf" included.
        char buffer[64];
        const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value.doubleValue());
        return {{QStringLiteral("form"), QStringLiteral("double")},
                {QStringLiteral("value"), QString::fromLatin1(buffer, written.ptr - buffer)}};
    }
    case CalcValue::Kind::Text:
        return {{QStringLiteral("form"), QStringLiteral("text")}, {QStringLiteral("value"), value.text()}};
    }
    return {};
}

std::optional<CalcValue> decodeValue(const QJsonValue& entry) {
    if (!entry.isObject()) return std::nullopt;
    const QJsonObject object = entry.toObject();
    const QString form = object.value(QStringLiteral("form")).toString();
    if (form == QStringLiteral("empty")) return CalcValue();
    const QJsonValue value = object.value(QStringLiteral("value"));
    if (!value.isString()) return std::nullopt;
    const QString text = value.toString();
    if (form == QStringLiteral("decimal")) {
        const auto decimal = exactDecimalFromText(text);
        return decimal ? std::optional<CalcValue>(*decimal) : std::nullopt;
    }
    if (form == QStringLiteral("double")) {
        const QByteArray latin = text.toLatin1();
        double number = 0;
        const auto read = std::from_chars(latin.cbegin(), latin.cend(), number);
        if (read.ec != std::errc() || read.ptr != latin.cend()) return std::nullopt;
        return CalcValue(number);
    }
    if (form == QStringLiteral("text")) return CalcValue(text);
    return std::nullopt;
}

// A whole JSON number in lo..hi.
std::optional<int> wholeNumber(const QJsonValue& value, int lo, int hi) {
    if (!value.isDouble()) return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= lo && number <= hi) || number != std::floor(number)) return std::nullopt;
    return int(number);
}

bool fitsInputLimit(const QString& text) {
    // Cheap bounds first: a UTF-16 unit takes 1 to 3 bytes of UTF-8.
    if (text.size() * 3 <= kMaxKeptInputBytes) return true;
    if (text.size() > kMaxKeptInputBytes) return false;
    return text.toUtf8().size() <= kMaxKeptInputBytes;
}

QStringList notKeptNotes(const std::set<ScreenId>& windows) {
    QStringList notes;
    for (const ScreenId window : windows) notes.append(t::inputNotKept(SessionCaption(window)));
    return notes;
}

// --- The data file ---

struct DataRead {
    SessionState state;
    std::set<ScreenId> notKept;
};

// The data file's entries into `read`; the name of the first entry that is wrong, if any.
std::optional<QString> readData(const QJsonObject& root, DataRead& read) {
    if (!wholeNumber(root.value(QStringLiteral("format")), kDataFormat, kDataFormat)) return QStringLiteral("format");

    if (root.contains(QStringLiteral("history"))) {
        const QJsonValue entry = root.value(QStringLiteral("history"));
        if (!entry.isObject()) return QStringLiteral("history");
        const QJsonObject object = entry.toObject();
        FormulaHistory history;
        const auto last = wholeNumber(object.value(QStringLiteral("lastStoredSlot")), 1, 999);
        if (!last) return QStringLiteral("history.lastStoredSlot");
        const auto shown = wholeNumber(object.value(QStringLiteral("shownSlot")), 1, 999);
        if (!shown) return QStringLiteral("history.shownSlot");
        history.lastStoredSlot = *last;
        history.shownSlot = *shown;
        const QJsonValue formulas = object.value(QStringLiteral("formulas"));
        if (!formulas.isArray() || formulas.toArray().size() > 999) return QStringLiteral("history.formulas");
        std::size_t slot = 1;
        for (const QJsonValue formula : formulas.toArray()) {
            if (!formula.isString()) return QStringLiteral("history.formulas[%1]").arg(slot);
            history.formulas[slot++] = formula.toString();
        }
        read.state.history = std::move(history);
    }

    if (root.contains(QStringLiteral("variables"))) {
        const QJsonValue entry = root.value(QStringLiteral("variables"));
        if (!entry.isArray() || entry.toArray().size() != kVariableCount) return QStringLiteral("variables");
        const QJsonArray variables = entry.toArray();
        for (int k = 0; k < kVariableCount; ++k) {
            const auto value = decodeValue(variables.at(k));
            if (!value) return QStringLiteral("variables.") + QChar(u'r' + k);
            read.state.settings.memoryVariables[std::size_t(k)] = *value;
        }
    }

    if (root.contains(QStringLiteral("inputs"))) {
        const QJsonValue entry = root.value(QStringLiteral("inputs"));
        if (!entry.isObject()) return QStringLiteral("inputs");
        const QJsonObject windows = entry.toObject();
        for (auto window = windows.begin(); window != windows.end(); ++window) {
            const QString name = QStringLiteral("inputs.") + window.key();
            if (!window.value().isObject()) return name;
            const auto screen = ScreenForSessionKey(window.key());
            const QJsonObject boxes = window.value().toObject();
            for (auto box = boxes.begin(); box != boxes.end(); ++box) {
                if (!box.value().isString()) return name + u'.' + box.key();
                if (!screen) continue;  // a window this version does not have
                const QString text = box.value().toString();
                if (fitsInputLimit(text))
                    read.state.inputs[*screen][box.key()] = text;
                else
                    read.notKept.insert(*screen);
            }
        }
    }

    if (root.contains(QStringLiteral("notKept"))) {
        const QJsonValue entry = root.value(QStringLiteral("notKept"));
        if (!entry.isArray()) return QStringLiteral("notKept");
        for (const QJsonValue window : entry.toArray()) {
            if (!window.isString()) return QStringLiteral("notKept");
            if (const auto screen = ScreenForSessionKey(window.toString())) read.notKept.insert(*screen);
        }
    }
    return std::nullopt;
}

QByteArray writeData(const SessionState& state, std::set<ScreenId>& notKept) {
    QJsonObject root;
    root.insert(QStringLiteral("format"), kDataFormat);

    if (state.history) {
        const FormulaHistory& history = *state.history;
        std::size_t used = 999;
        while (used > 0 && history.formulas[used].isEmpty()) --used;
        QJsonArray formulas;
        for (std::size_t slot = 1; slot <= used; ++slot) formulas.append(history.formulas[slot]);
        root.insert(QStringLiteral("history"),
                    QJsonObject{{QStringLiteral("lastStoredSlot"), history.lastStoredSlot},
                                {QStringLiteral("shownSlot"), history.shownSlot},
                                {QStringLiteral("formulas"), formulas}});
    }

    QJsonArray variables;
    for (const CalcValue& value : state.settings.memoryVariables) variables.append(encodeValue(value));
    root.insert(QStringLiteral("variables"), variables);

    QJsonObject inputs;
    for (const auto& [screen, boxes] : state.inputs) {
        QJsonObject texts;
        for (const auto& [box, text] : boxes) {
            if (fitsInputLimit(text))
                texts.insert(box, text);
            else
                notKept.insert(screen);
        }
        if (!texts.isEmpty()) inputs.insert(SessionKey(screen), texts);
    }
    root.insert(QStringLiteral("inputs"), inputs);

    QJsonArray dropped;
    for (const ScreenId screen : notKept) dropped.append(SessionKey(screen));
    if (!dropped.isEmpty()) root.insert(QStringLiteral("notKept"), dropped);

    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// --- The settings file ---

// The settings file's entries into `state`; why it cannot be used, if it cannot.
std::optional<QString> readSettings(QSettings& settings, SessionState& state) {
    if (settings.status() == QSettings::FormatError) return t::kNotAnIniFile;
    if (settings.contains(kPlacesKey)) {
        bool ok = false;
        const int places = settings.value(kPlacesKey).toInt(&ok);
        if (!ok || places < 0 || places > 28) return t::badEntry(kPlacesKey);
        state.settings.decimalPlaces = places;
    }
    if (settings.contains(kAngleUnitKey)) {
        bool ok = false;
        const int code = settings.value(kAngleUnitKey).toInt(&ok);
        const AngleUnit unit = AngleUnit(code);
        if (!ok || (unit != AngleUnit::Radian && unit != AngleUnit::Dms && unit != AngleUnit::DecimalDegree))
            return t::badEntry(kAngleUnitKey);
        state.settings.angleUnit = unit;
    }
    settings.beginGroup(kGeometryGroup);
    const QStringList windows = settings.childKeys();
    for (const QString& key : windows) {
        if (key.isEmpty() || settings.value(key).typeId() != QMetaType::QByteArray)
            return t::badEntry(kGeometryGroup + u'/' + key);
        const QVariant value = settings.value(key);
        if (const auto screen = ScreenForSessionKey(key)) state.geometry[*screen] = value.toByteArray();
    }
    settings.endGroup();
    return std::nullopt;
}

// --- Reading a file ---

enum class FileState { Missing, Unreadable, TooLarge, Present };

FileState checkFile(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists()) return FileState::Missing;
    if (!info.isFile() || !info.isReadable()) return FileState::Unreadable;
    if (info.size() > maxBytes) return FileState::TooLarge;
    return FileState::Present;
}

// Moves a damaged file out of the way of the next save; its new name, or empty on failure.
QString setAside(const QString& path) {
    const QString aside = path + QStringLiteral(".damaged");
    if (QFileInfo::exists(aside) && !QFile::remove(aside)) return QString();
    return QFile::rename(path, aside) ? aside : QString();
}

// The note on a damaged file, which is moved aside; `write` stays true when that worked.
QString damagedNote(const QString& path, const QString& reason, const QString& parts, bool& write) {
    const QString aside = setAside(path);
    write = !aside.isEmpty();
    return t::fileDamaged(QDir::toNativeSeparators(path), reason, QDir::toNativeSeparators(aside), parts);
}

QString unreadableNote(const QString& path, const QString& parts, bool& write) {
    write = false;
    return t::fileUnreadable(QDir::toNativeSeparators(path), parts);
}

}  // namespace

SessionStore::SessionStore(const QString& settingsFolder, const QString& dataFolder)
    : settingsFile_(QDir(settingsFolder).filePath(QStringLiteral("cesuan.ini"))),
      dataFile_(QDir(dataFolder).filePath(QStringLiteral("session.json"))) {}

SessionStore::Loaded SessionStore::load() {
    Loaded loaded;
    writeSettings_ = writeData_ = true;

    SessionState fromSettings;
    switch (checkFile(settingsFile_, kMaxSettingsFileBytes)) {
    case FileState::Missing: break;
    case FileState::Unreadable:
        loaded.notes.append(unreadableNote(settingsFile_, t::kSettingsParts, writeSettings_));
        break;
    case FileState::TooLarge:
        loaded.notes.append(damagedNote(settingsFile_, t::fileTooLarge(kMaxSettingsFileBytes >> 20), t::kSettingsParts, writeSettings_));
        break;
    case FileState::Present: {
        std::optional<QString> damage;
        {
            QSettings settings(settingsFile_, QSettings::IniFormat);
            if (settings.status() == QSettings::AccessError) {
                loaded.notes.append(unreadableNote(settingsFile_, t::kSettingsParts, writeSettings_));
                break;
            }
            damage = readSettings(settings, fromSettings);
        }
        if (damage) {
            fromSettings = SessionState();
            loaded.notes.append(damagedNote(settingsFile_, *damage, t::kSettingsParts, writeSettings_));
        }
        break;
    }
    }

    DataRead fromData;
    switch (checkFile(dataFile_, kMaxDataFileBytes)) {
    case FileState::Missing: break;
    case FileState::Unreadable:
        loaded.notes.append(unreadableNote(dataFile_, t::kDataParts, writeData_));
        break;
    case FileState::TooLarge:
        loaded.notes.append(damagedNote(dataFile_, t::fileTooLarge(kMaxDataFileBytes >> 20), t::kDataParts, writeData_));
        break;
    case FileState::Present: {
        QFile file(dataFile_);
        if (!file.open(QIODevice::ReadOnly)) {
            loaded.notes.append(unreadableNote(dataFile_, t::kDataParts, writeData_));
            break;
        }
        const QByteArray bytes = file.read(kMaxDataFileBytes);
        file.close();
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
        std::optional<QString> damage;
        if (error.error != QJsonParseError::NoError)
            damage = t::syntaxError(error.offset);
        else if (!document.isObject())
            damage = t::badEntry(QStringLiteral("/"));
        else if (const auto entry = readData(document.object(), fromData))
            damage = t::badEntry(*entry);
        if (damage) {
            fromData = DataRead();
            loaded.notes.append(damagedNote(dataFile_, *damage, t::kDataParts, writeData_));
        }
        break;
    }
    }

    loaded.state = std::move(fromData.state);
    loaded.state.settings.decimalPlaces = fromSettings.settings.decimalPlaces;
    loaded.state.settings.angleUnit = fromSettings.settings.angleUnit;
    loaded.state.geometry = std::move(fromSettings.geometry);
    loaded.notes.append(notKeptNotes(fromData.notKept));
    return loaded;
}

QStringList SessionStore::save(const SessionState& state) const {
    QStringList notes;

    if (writeSettings_) {
        QDir().mkpath(QFileInfo(settingsFile_).absolutePath());
        QSettings settings(settingsFile_, QSettings::IniFormat);
        settings.clear();  // also what a damaged file left
        settings.setValue(kPlacesKey, state.settings.decimalPlaces);
        settings.setValue(kAngleUnitKey, int(state.settings.angleUnit));
        for (const auto& [screen, geometry] : state.geometry)
            settings.setValue(kGeometryGroup + u'/' + SessionKey(screen), geometry);
        settings.sync();
        // A format error here is the old file's, read again before the write.
        if (settings.status() == QSettings::AccessError)
            notes.append(t::fileNotSaved(QDir::toNativeSeparators(settingsFile_), t::kSettingsParts));
    }

    std::set<ScreenId> notKept;
    const QByteArray data = writeData(state, notKept);
    if (writeData_) {
        QDir().mkpath(QFileInfo(dataFile_).absolutePath());
        QSaveFile file(dataFile_);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
            notes.append(t::fileNotSaved(QDir::toNativeSeparators(dataFile_), t::kDataParts));
    }
    notes.append(notKeptNotes(notKept));
    return notes;
}

std::unique_ptr<SessionStore> SessionStoreForArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption fresh(QStringLiteral("fresh"));
    parser.addOption(fresh);
    parser.parse(arguments);  // unknown options and other arguments are no error here
    if (parser.isSet(fresh)) return nullptr;

    const QString settingsFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (settingsFolder.isEmpty() || dataFolder.isEmpty()) return nullptr;  // nowhere to keep anything
    return std::make_unique<SessionStore>(settingsFolder, dataFolder);
}

}  // namespace cesuan
