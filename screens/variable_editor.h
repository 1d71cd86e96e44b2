#pragma once
// The variable editor as a controller over plain texts: nine boxes for the memory
// variables r … z, two buttons that reset them to defaults, two that save them, and links
// to web pages. TextToNumber (串转数) reads what the user typed into a box.
//
// A view copies the nine box texts in, calls one operation per event, and copies the box
// texts back out; after saveAndClose it closes the window when closeRequested is set.

#include "engine/calc_value.h"
#include "evaluator/calc_context.h"
#include "screens/platform.h"

#include <QString>

#include <array>
#include <span>

namespace cesuan {

class VariableEditor {
public:
    // Fills the boxes (load) as the window is created. The variables are those of the
    // program's calculator settings.
    VariableEditor(CalcSettings& settings, WebPageOpener& web);

    // --- The window's texts ---
    std::array<QString, 9> values;  // the boxes of r, s, t, u, v, w, x, y, z, as typed or shown
    bool closeRequested = false;    // set by saveAndClose; the view closes the window

    // --- Operations, one per event ---
    void load();               // the window is created, or opened again after a close
    void setAllToOne();        // "默认为 1"
    void setOneToNine();       // "默认1-9"
    void save();               // "保存修改"
    void saveAndClose();       // "保存退出"
    void openMakerPlatform();  // the maker platform button
    void openHeadingPage();    // a click on the heading (an outside organisation's page)
    void openGreetingPage();   // a click on the greeting (the maker's page)

    // A variable as its box shows it: a blank before a non-negative number, "-" before a
    // negative one (1 is " 1", -3 is "-3"); the empty value shows as an empty box.
    static QString shownForm(const CalcValue& value);

    // The journal of the last save (the readings' failures are kept there, not shown).
    const CalcErrorJournal& journal() const { return journal_; }

private:
    CalcSettings& settings_;
    WebPageOpener& web_;
    CalcErrorJournal journal_;
};

}  // namespace cesuan
