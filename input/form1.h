#pragma once
// The Data Input window: the count, the energies of up to ten conformers and the temperature
// range in degrees Celsius and in kelvin, with the rules that confirm each entry and decide
// when Calculate may run. form1.cpp holds its design and loading, form1_rules.cpp its rules.

#include <cstdint>

#include "core/exercise.h"
#include "core/population.h"
#include "ui/application.h"
#include "ui/control_array.h"

namespace torvi::input {

// The temperature range the window opens with, in degrees Celsius.
inline constexpr char kDesignLowCelsius[] = "-50";
inline constexpr char kDesignHighCelsius[] = "30";

class CalculateCommand;

class Form1 : public ui::Window {
  public:
    explicit Form1(ui::Application& application);

    ui::Label* Label1 = nullptr;
    ui::TextBox* Text1 = nullptr;
    ui::ControlArray<ui::Label> Label2{*this, "Label2"};  // row captions 1 to 10
    ui::ControlArray<ui::Label> Label3{*this, "Label3"};  // captions 0 to 5
    ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};  // energies 1 to 10, in energyUnit()
    ui::ControlArray<ui::TextBox> Text3{*this, "Text3"};  // range ends 0 and 1, degrees Celsius
    ui::ControlArray<ui::TextBox> Text4{*this, "Text4"};  // the same ends in kelvin
    ui::CommandButton* Command1 = nullptr;

    // The count confirmed by the last Enter in the count box.
    std::int16_t entryCount = 0;
    // When set, the next energy leave rule does nothing but clear it.
    bool skipNextEnergyCheck = false;

    void Form_Load() override;
    void Form_Unload() override;

    // Switches Calculate on when every needed entry is present and converts.
    void EnMnuCalc();
    void Command1_Click();

    void Text1_KeyPress(int keyAscii);
    void Text2_KeyPress(int index, int keyAscii);
    void Text2_LostFocus(int index);
    void Text3_KeyPress(int index, int keyAscii);
    void Text3_LostFocus(int index);
    void Text4_KeyPress(int index, int keyAscii);
    void Text4_LostFocus(int index);
    void Text1_Change();
    void Text2_Change(int index);
    void Text3_Change(int index);
    void Text4_Change(int index);
    void Text3_GotFocus(int index);

    // The texts a calculation reads: the count, the two kelvin boxes and the ten energies.
    core::CalculationInput calculationInput() const;

    // The unit the energy boxes are read in, which their caption names. The typed texts stay.
    core::EnergyUnit energyUnit() const { return energyUnit_; }
    void setEnergyUnit(core::EnergyUnit unit);

    // The entries as an exercise: the confirmed count's energies and the range; nothing until
    // each of them is there and reads as a number.
    std::optional<core::Exercise> exercise() const;
    // Fills the window from an exercise, as if its entries had been typed and confirmed, in the
    // exercise's unit; the focus goes to Calculate.
    void loadExercise(const core::Exercise& exercise);

  private:
    // The design, in the order of its controls.
    void createCountRow();
    void createEnergyRows();
    void createTemperatureRows();
    void createButton();
    void connectHandlers();
    // Shows the rows of this many conformers with the range, or hides them all.
    void showRows(int count);
    void setCalculate(bool on);
    CalculateCommand* calculateCommand() const;
    // Sends the focus to the first empty energy row of the confirmed count, if there is one.
    enum class EnergyScan { AllEntered, FocusMoved, FocusFailed };
    EnergyScan focusFirstEmptyEnergy();
    // Writes the box's text again with every "." turned into ",".
    static void rewriteWithComma(ui::TextBox& box);

    core::EnergyUnit energyUnit_ = core::EnergyUnit::KcalPerMol;
};

}  // namespace torvi::input
