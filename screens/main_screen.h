#pragma once
// The calculator window as a controller over plain texts: the formula, result,
// status and slot boxes, the decimal-places list, the angle-unit button, the keypad, the
// formula history and the buttons that open the other screens.
//
// A view copies the widget texts in, calls one operation per event, and copies the texts,
// the caret, the focus and the unit button's look back out.

#include "angles/angle_units.h"
#include "evaluator/calc_context.h"
#include "screens/platform.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace cesuan {

struct FormulaHistory;

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class MainScreen {
public:
    enum class Control { Formula, Result, Status, Places, Other };

    // The places, the angle unit and the variables are the program's calculator settings,
    // shared with the other windows.
    MainScreen(CalcSettings& settings, MessageBoxService& messages, WebPageOpener& web, RandomSource& random,
               ScreenNavigator& screens);

    // --- The window's texts, by role ---
    QString formula;       // formula box
    QString result;        // result box
    QString status;        // status box (several lines, CR LF)
    QString slotNumber;    // number of the history slot on show
    int placesIndex = 15;  // decimal places list: item k is "k位小数"
    QString unitCaption;   // angle-unit button
    Rgb unitColour;

    // Where the focus should be, and the caret of the formula box after an operation.
    Control focus = Control::Formula;
    int caretPosition = 0;  // characters before the caret, nothing selected

    // What the last compute found before it reset the journal: its failures, whether the
    // result was cut and marked 约数, and the reliable digits the cut used.
    int lastErrorCount = 0;
    bool lastApproximate = false;
    int lastReliableDigits = 29;

    // --- Operations, one per event ---
    void load();            // the window is created at program start
    void activate();        // the window becomes the active one among the program's windows
    void compute();         // "计 算" (and Enter in the formula box)
    void clear();           // "清 零"
    void historyBack();     // "<--"
    void historyForward();  // "-->"
    void chooseDecimalPlaces(int index);
    // An item picked in the list: explains the list, and computes the result on show again
    // with the new places.
    void placesChosenByUser(int index);
    void cycleAngleUnit();               // the angle-unit button
    void setAngleUnit(AngleUnit unit);   // the unit with the button's caption and colour
    void pressKey(int key);              // keypad key 1..60
    // The formula box lost the focus with this caret and selection.
    void formulaLostFocus(int selectionStart, int selectionLength, const QString& selectedText);
    void keyDown();          // any key pressed in the window (seen before the control)
    void keyPress();
    void statusGotFocus();             // the status box never keeps the focus
    void editVariables();              // "修改变量"
    void showScreen(ScreenId screen);  // the buttons that open other screens
    void openCommunityPage();          // the community button
    void openDownloadPage();           // the download button
    void openMakerPage();              // the version and product labels

    // What copying from the result box gives: the clean number of the selected part, or of
    // the whole result when nothing is selected (no alignment, padding or 约数 mark).
    QString resultToCopy(const QString& selectedText) const;

    // The 29 items of the decimal-places list: "0 位小数" … "9 位小数", "10位小数" … "28位小数".
    static QStringList decimalPlacesItems();
    // The caption of keypad key 1..60.
    static QString keyCaption(int key);

    // --- State ---
    static constexpr int kSlots = 1001;  // slots 0..1000; 1..999 are used
    std::array<QString, kSlots> formulaHistory;
    int lastStoredSlot = 18;
    int shownSlot = 18;
    int browseSteps = 0;
    int savedSelStart = 0;
    int savedSelLength = 0;
    QString savedSelText;
    QString leftText, rightText;

    // The history as it is kept between runs. A formula in the box (its text given) that is not
    // the one on show from the history is kept as "清 零" would keep it, so that closing the
    // program loses nothing.
    FormulaHistory history(const QString& formulaInBox = QString()) const;
    // After load(): the program goes on from what its last run kept, the calculator settings
    // and, when kept, the history with the slot it showed; the notes go first in the status box.
    void resume(const CalcSettings& kept, const std::optional<FormulaHistory>& history, const QStringList& notes);
    // Notes about the program's own files, shown in the status box.
    void showNotes(const QStringList& notes);

private:
    // Computes the formula into the result and status boxes; the caret and the focus stay.
    void evaluate();
    void showSlot(bool forward);
    QString randomText();

    CalcSettings& settings_;
    MessageBoxService& messages_;
    WebPageOpener& web_;
    RandomSource& random_;
    ScreenNavigator& screens_;
    // The formula the last faultless computation left and the result box text it showed.
    QString computedFormula_;
    QString computedResult_;
};

// The formula history: slots 1..999 at their own index, the slot stored last and the slot on
// show.
struct FormulaHistory {
    std::array<QString, MainScreen::kSlots> formulas;
    int lastStoredSlot = 18;
    int shownSlot = 18;

    friend bool operator==(const FormulaHistory&, const FormulaHistory&) = default;
};

}  // namespace cesuan
