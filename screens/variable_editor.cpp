#include "screens/variable_editor.h"

#include "evaluator/text_to_number.h"
#include "screens/screen_texts.h"

namespace cesuan {

VariableEditor::VariableEditor(CalcSettings& settings, WebPageOpener& web) : settings_(settings), web_(web) { load(); }

QString VariableEditor::shownForm(const CalcValue& value) {
    if (value.isEmpty()) return QString();
    const QString t = value.trimmedText();
    return t.startsWith(u'-') ? t : QStringLiteral(" ") + t;
}

void VariableEditor::load() {
    ResetJournal(journal_);
    closeRequested = false;
    for (std::size_t k = 0; k < values.size(); ++k) values[k] = shownForm(settings_.memoryVariables[k]);
}

void VariableEditor::setAllToOne() {
    for (CalcValue& variable : settings_.memoryVariables) variable = Decimal96(1);
    values.fill(QStringLiteral("1"));
}

void VariableEditor::setOneToNine() {
    for (std::size_t k = 0; k < values.size(); ++k) {
        settings_.memoryVariables[k] = Decimal96(std::int64_t(k + 1));
        values[k] = QString::number(k + 1);
    }
}

void VariableEditor::save() {
    ResetJournal(journal_);
    for (std::size_t k = 0; k < values.size(); ++k) settings_.memoryVariables[k] = TextToNumber(journal_, values[k]);
    for (std::size_t k = 0; k < values.size(); ++k) values[k] = shownForm(settings_.memoryVariables[k]);
}

void VariableEditor::saveAndClose() {
    save();
    closeRequested = true;
}

void VariableEditor::openMakerPlatform() { web_.open(web::kCommunity); }
void VariableEditor::openHeadingPage() { web_.open(web::kPartner); }
void VariableEditor::openGreetingPage() { web_.open(web::kHome); }

}  // namespace cesuan
