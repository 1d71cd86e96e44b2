#pragma once
// What the two survey windows (distance and bearing, plane attitude) copy between their
// widgets and their controllers: the same controls, named alike in both.

#include "engine/line_ends.h"
#include "views/command_keys.h"
#include "views/long_text.h"
#include "views/widget_texts.h"

#include <QCheckBox>
#include <QPushButton>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStringList>

#include <tuple>
#include <utility>

namespace cesuan {

template <typename Screen, typename Ui>
void copySurveyTextsIn(Screen& screen, const Ui& ui) {
    screen.pointText = WithCrLfLineEnds(ui.Text1->toPlainText());
    screen.resultText = WithCrLfLineEnds(ui.Text2->toPlainText());
    screen.chosenSerial = ui.Combo2->currentText();
    screen.serialColumn = ui.Check1->isChecked();
}

template <typename Screen, typename Ui>
void copySurveyTextsOut(const Screen& screen, Ui& ui) {
    setLongTextIfChanged(ui.Text1, screen.pointText);
    setLongTextIfChanged(ui.Text2, screen.resultText);
    QStringList items;
    for (int i = 0; i < ui.Combo2->count(); ++i) items.append(ui.Combo2->itemText(i));
    if (items != screen.serialChoices) {
        ui.Combo2->clear();
        ui.Combo2->addItems(screen.serialChoices);
    }
    if (ui.Combo2->currentText() != screen.chosenSerial) {
        const int index = ui.Combo2->findText(screen.chosenSerial, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0) ui.Combo2->setCurrentIndex(index);
        ui.Combo2->setEditText(screen.chosenSerial);
    }
    ui.Check1->setChecked(screen.serialColumn);
    ui.Check1->setText(screen.serialColumnCaption);
    ui.StatusLine->setText(screen.statusLine);
}

// The buttons, the check box and the keys Ctrl+O (open a point list) and Ctrl+S (save the
// result) of a survey window, each running its controller operation through `run` (the
// view's copy-in, operate, copy-out); Ctrl+Enter computes.
template <typename Screen, typename Ui, typename Run>
void connectSurveyControls(QWidget* owner, Screen& screen, Ui& ui, const QString& calculatorCaption,
                           const QString& menuCaption, Run run) {
    Screen* s = &screen;
    const std::tuple<QPushButton*, QString, QString, void (Screen::*)()> buttons[] = {
        {ui.Command1, screen.computeCaption, QString(), &Screen::compute},
        {ui.Command2, screen.printCaption, screen.printTooltip, &Screen::printScreen},
        {ui.CommandJsq, calculatorCaption, QString(), &Screen::showCalculator},
        {ui.CommandQiTa, menuCaption, QString(), &Screen::showMenu},
    };
    for (const auto& [button, caption, tip, command] : buttons) {
        button->setText(caption);
        button->setToolTip(tip);
        QObject::connect(button, &QPushButton::clicked, owner, [run, s, command] { run([s, command] { (s->*command)(); }); });
    }
    QObject::connect(ui.Check1, &QCheckBox::clicked, owner,
                     [run, s](bool checked) { run([s, checked] { s->serialColumnClicked(checked); }); });
    clickOnCtrlEnter(owner, ui.Command1);
    const std::pair<QKeySequence::StandardKey, void (Screen::*)()> keys[] = {
        {QKeySequence::Open, &Screen::openPoints},
        {QKeySequence::Save, &Screen::saveResult},
    };
    for (const auto& [key, command] : keys)
        QObject::connect(new QShortcut(key, owner), &QShortcut::activated, owner,
                         [run, s, command] { run([s, command] { (s->*command)(); }); });
}

}  // namespace cesuan
