#pragma once
// The variable editor (Form3) as a controller over plain texts: nine boxes for the memory
// variables r … z, two buttons that reset them to defaults, two that save them, and links
// to web pages. TextToNumber (串转数) reads what the user typed into a box.
//
// A view copies the nine box texts in, calls one operation per event, and copies the box
// texts back out; after saveAndClose it closes the window when closeRequested is set.

#include "engine/calc_value.h"
#include "evaluator/normalise.h"
#include "screens/platform.h"

#include <QString>

#include <array>
#include <span>

namespace cesuan {

// The characters TextToNumber accepts for digits, the point and the signs (after
// lower-casing); every character it meets that is none of these and no ASCII digit, ".",
// "+", "-" or "e" is dropped.
std::span<const CharacterMapping> NumberCharacterTable();

// 串转数: a typed value (Chinese numerals, full-width digits and signs, stray characters)
// to a number. Blanks are trimmed and the text lower-cased; the characters of
// NumberCharacterTable are mapped and all others but digits, ".", "+", "-" and "e" dropped;
// exponent marks after a sign, a point or another "e", and at either end, are removed;
// doubled signs and points collapse; a second point, a point in the exponent, or a second
// "e" cuts the text there. The rest goes through ToCalcValue: a decimal, a double outside
// the decimal range, or the text "0" (with ToCalcValue's message) when it is still no
// number. A text that keeps nothing is the integer 0 without a message.
CalcValue TextToNumber(const QString& x);

class VariableEditor {
public:
    // Fills the boxes (load) as the window is created.
    explicit VariableEditor(WebPageOpener& web);

    // --- The window's texts ---
    // Text1 … Text9: the values of r … z.
    QString text1, text2, text3, text4, text5, text6, text7, text8, text9;
    bool closeRequested = false;  // set by saveAndClose; the view closes the window

    // --- Operations, one per event ---
    void load();          // the window is created, or opened again after a close
    void setAllToOne();   // Command1 "默认为 1"
    void setOneToNine();  // Command2 "默认1-9"
    void save();          // Command3 "保存修改"
    void saveAndClose();  // Command4 "保存退出"
    void openMakerPlatform();  // Command5
    void openHeadingPage();    // a click on Label1 (an outside organisation's page)
    void openGreetingPage();   // a click on Label12 (the maker's page)

    // A variable as its box shows it: a blank before a non-negative number, "-" before a
    // negative one (1 is " 1", -3 is "-3"); the empty value shows as an empty box.
    static QString shownForm(const CalcValue& value);

private:
    std::array<QString*, 9> boxes();

    WebPageOpener& web_;
};

}  // namespace cesuan
