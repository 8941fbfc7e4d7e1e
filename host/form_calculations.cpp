#include "host/form_calculations.h"

// One line per form: its calculation in host/forms/.
FormCalculation t3retCalculation();
FormCalculation sch7Calculation();
FormCalculation sch8Calculation();
FormCalculation sch9Calculation();
FormCalculation sch11Calculation();
FormCalculation t2043Calculation();
FormCalculation sch20Calculation();
FormCalculation sch21Calculation();
FormCalculation sch22Calculation();
FormCalculation sch23Calculation();
FormCalculation t183Calculation();
FormCalculation taxNoteCalculation();

const std::vector<FormCalculation>& formCalculations()
{
    static const std::vector<FormCalculation> forms = {
        t3retCalculation(),
        sch7Calculation(),
        sch8Calculation(),
        sch9Calculation(),
        sch11Calculation(),
        t2043Calculation(),
        sch20Calculation(),
        sch21Calculation(),
        sch22Calculation(),
        sch23Calculation(),
        t183Calculation(),
        taxNoteCalculation(),
    };
    return forms;
}
