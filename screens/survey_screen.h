#pragma once
// What the two survey windows (distance and bearing, plane attitude) share: a point list typed
// or pasted into one box, a result text in the other, a list to choose a point by its serial,
// the same captions and notes, printing, and the buttons to the calculator and the menu. Each
// window adds its own computation.

#include "engine/journal.h"
#include "geodesy/point_list.h"
#include "screens/platform.h"

#include <QString>
#include <QStringList>

namespace cesuan {

// The fixed texts a survey window starts with.
struct SurveyTexts {
    QString windowTitle, startPoints, serialColumnCaption, computeCaption, printCaption, printTooltip;
    QString heading, formatNote, directionNote, choiceLabel, choiceNote, resultHeading;
    QString firstChoice;           // the first item of the point list: "0", the point 0, 0, 0
    QString calculator, menu;      // the names of the screens the buttons open
    QString resultFileName;        // the name the save dialog offers for the result
};

class SurveyScreen {
public:
    // --- The window's texts and choices ---
    QString windowTitle;
    QString pointText;          // the point list (CR LF)
    QString resultText;         // the result (CR LF)
    bool serialColumn = true;   // the lines carry serials
    QString serialColumnCaption;
    QStringList serialChoices;  // the first choice and the serials
    QString chosenSerial;       // may be typed
    QString computeCaption, printCaption, printTooltip;
    QString heading, formatNote, directionNote, choiceLabel, choiceNote, resultHeading;
    QString statusLine;         // what a button, a file or the printer says happened

    // The points of the last parse.
    PointList points;
    // The last command failed (its box said why).
    bool failed = false;

    // --- Operations shared by both windows ---
    void load();                 // the choice back to the first item
    void serialChoicesOpened();  // the point list gets the focus: its items from the serials
    void printScreen();          // the print button
    void openPoints();           // Ctrl+O: a text or CSV file into the point list
    void saveResult();           // Ctrl+S: the result into a text file
    void showCalculator();       // to the main window
    void showMenu();             // to the module menu

    // The journal of the last command.
    const CalcErrorJournal& journal() const { return journal_; }

protected:
    // serialsAlwaysRead: the list is read with serials whatever the check box says.
    SurveyScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens, FileChooser& files,
                 const SurveyTexts& texts, bool serialsAlwaysRead);

    // Parses the point text into `points` (its notices shown) and returns the aligned text.
    QString parsePoints();
    // Parses the point text for a command. A list with values that are no numbers fails: one
    // box names each of them and ends with `dataError`, the point text stays as typed and the
    // result is cleared; false then. Otherwise the point text becomes the aligned list, unless
    // the window keeps what was typed.
    bool readPointsForCommand(const QString& dataError);

    // The point text stays as typed after a command (windows whose list is not rewritten).
    bool keepTypedText_ = false;

    MessageBoxService& messages_;
    CalcErrorJournal journal_;

private:
    WindowPrinter& printer_;
    ScreenNavigator& screens_;
    FileChooser& files_;
    SurveyTexts texts_;
    bool serialsAlwaysRead_;
};

}  // namespace cesuan
