#pragma once
// The base calculator window as a controller over plain texts: two numbers in binary, octal,
// decimal or hexadecimal, six arithmetic and six bitwise operations, the result in the radix
// of the data (the arithmetic itself is in radix/radix_arithmetic.h).

#include "engine/calc_value.h"
#include "engine/journal.h"
#include "radix/radix_arithmetic.h"
#include "screens/platform.h"

#include <QString>

#include <array>
#include <optional>

namespace cesuan {

class BaseCalculatorScreen {
public:
    enum class Box { Data1, Data2 };
    // The operation buttons, in their order.
    using Operation = RadixOperation;

    BaseCalculatorScreen(MessageBoxService& messages, WindowPrinter& printer, WebPageOpener& web,
                         ScreenNavigator& screens);

    // --- The window's texts and states ---
    QString data1;             // data 1
    QString data2;             // data 2
    QString result;            // result
    QString explanation;       // explanation (CR LF)
    QString operationLabel;    // the operation's label
    bool data1Visible = true;  // hidden for 非
    bool longResultVisible = false;
    QString longResultNote;  // the too-long-result warning
    QString statusLine;      // what a button or the printer says happened
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
    void radixClicked(int radix);                          // a radix button (2, 8, 10, 16)
    void operationClicked(Operation op);                   // an operation button
    void boxGotFocus(Box box);                             // a data box gets the focus
    void boxLostFocus(Box box, int caret, int selLength);  // a data box loses the focus
    void digitKey(QChar digit);                            // a digit key
    void signKey();                                        // "-"
    void pointKey();                                       // "."
    void deleteKey();                                      // "<=删"
    void clearKey();                                       // "清除"
    void leftKey() {}                       // "<==": no action
    void rightKey() {}                      // "==>": no action
    void compute();       // "运算" and a click on the result's label
    void showMain();      // to the main window
    void printScreen();   // the print button
    void showMenu();      // 其它功能: the module menu
    void openHomePage();  // the maker's home page

    // The journal of the last command.
    const CalcErrorJournal& journal() const { return journal_; }

private:
    QString& boxText(Box box) { return box == Box::Data1 ? data1 : data2; }
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
    CalcErrorJournal journal_;
};

}  // namespace cesuan
