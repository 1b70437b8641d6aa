// The Calculate command: the entries of the Data Input window into the calculation state, then
// the results on screen, or a message that says why the entries cannot be used.

#include "core/messages.h"
#include "core/population.h"
#include "input/form1.h"
#include "shell/mdi_form1.h"

namespace torvi::shell {

void MDIForm1::mnuCalc_Click() {
    // Without the Data Input window there are no entries; a fresh one would hold none.
    input::Form1* form = application().find<input::Form1>();
    if (form == nullptr) return;

    const core::CalculationOutcome outcome =
        core::calculatePopulations(form->calculationInput(), state);
    ui::TextBox* focusBox = &form->Text3(0);
    switch (outcome.refusal) {
        case core::Refusal::None:
            DispRes();
            return;
        case core::Refusal::InvalidEntry:
        case core::Refusal::CountOutOfRange:
            // Calculate is never on for such entries; there is nothing to compute or to say.
            return;
        case core::Refusal::EqualLimits:
            application().messageBox(core::messages::kEqualLimits);
            break;
        case core::Refusal::TemperatureNotPossible:
            application().messageBox(core::messages::kImpossibleTemperature);
            focusBox = form->Text3.find(outcome.boxIndex);
            break;
        case core::Refusal::NonFinite:
            application().messageBox(core::messages::kWrongNumber);
            focusBox = outcome.box == core::EntryBox::Energy ? form->Text2.find(outcome.boxIndex)
                                                             : form->Text4.find(outcome.boxIndex);
            break;
    }
    if (form->closed()) return;
    form->show();
    if (focusBox != nullptr) form->setFocus(*focusBox);
}

}  // namespace torvi::shell
