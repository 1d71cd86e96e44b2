#pragma once
// The base calculator window (Form203) as a controller over plain texts: two numbers in
// binary, octal, decimal or hexadecimal, six arithmetic and six bitwise operations, the
// result in the radix of the data. Arithmetic is done on decimals; the data texts reach
// decimal through their binary text and the result goes back the same way. The bitwise
// operations work on the absolute values as 32-bit signed integers, with the sign handled
// apart as a sign bit.

#include "engine/calc_value.h"
#include "screens/platform.h"

#include <QString>

#include <array>
#include <optional>

namespace cesuan {

class BaseCalculatorScreen {
public:
    enum class Box { Data1, Data2 };
    // Option5 .. Option16, in that order.
    enum class Operation { Add, Subtract, Multiply, Divide, Power, Remainder, And, Or, Not, Xor, AndNot, OrNot };

    BaseCalculatorScreen(MessageBoxService& messages, WindowPrinter& printer, WebPageOpener& web,
                         ScreenNavigator& screens);

    // --- The window's texts and states ---
    QString text1;             // data 1
    QString text2;             // data 2
    QString text3;             // result
    QString text4;             // explanation (CR LF)
    QString label4;            // the operation's label
    bool text1Visible = true;  // hidden for 非
    bool label6Visible = false;
    QString label6;            // the too-long-result warning
    QString statusLine;        // what a button says when its screen is not there yet
    // Enabled states of the digit keys "0".."9", "A".."F" (indexed by the digit's value);
    // the sign and point keys are always enabled.
    std::array<bool, 16> digitKeyEnabled{};
    Operation operation = Operation::Add;

    // --- Screen state ---
    int currentRadix = 2;
    int previousRadix = 0;
    Box activeBox = Box::Data1;
    int caret1 = 0, selLength1 = 0;
    int caret2 = 0, selLength2 = 0;
    CalcValue value1, value2;
    CalcValue resultValue;
    // Set by a key that gives a data box the focus back: the view focuses that box and sets
    // its caret to caret1 or caret2 (selection length 0). Empty: the focus stays on the key.
    std::optional<Box> focusRequest;

    // --- Operations, one per event ---
    void radixClicked(int radix);           // Option1..Option4 (2, 8, 10, 16)
    void operationClicked(Operation op);    // Option5..Option16
    void boxGotFocus(Box box);              // Text1 / Text2 GotFocus
    void boxLostFocus(Box box, int caret, int selLength);  // Text1 / Text2 LostFocus
    void digitKey(QChar digit);             // Command1..Command13, Command15..Command17
    void signKey();                         // Command18 "-"
    void pointKey();                        // Command19 "."
    void deleteKey();                       // Command20 "<=删"
    void clearKey();                        // Command21 "清除"
    void leftKey() {}                       // Command22 "<==": no action
    void rightKey() {}                      // Command24 "==>": no action
    void compute();                         // Command23 "运算" and a click on Label7
    void showMain();                        // Command25
    void printScreen();                     // Command26
    void showMenu();                        // CommandQiTa
    void openHomePage();                    // CommandVorn

    // The box texts of a radix conversion, through binary text (an empty text gives "0";
    // a failure shows its box and gives "-1").
    static QString ConvertRadix(const QString& text, int from, int to, MessageBoxService& box);

private:
    QString& boxText(Box box) { return box == Box::Data1 ? text1 : text2; }
    int& boxCaret(Box box) { return box == Box::Data1 ? caret1 : caret2; }
    int& boxSelLength(Box box) { return box == Box::Data1 ? selLength1 : selLength2; }
    // Clamps the saved caret of the box and returns the texts left and right of its
    // selection.
    std::pair<QString, QString> split(Box box);
    void insertKey(QChar key, bool pointKey);
    bool computeSteps();  // false on a failure that ends the command

    MessageBoxService& messages_;
    WindowPrinter& printer_;
    WebPageOpener& web_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
