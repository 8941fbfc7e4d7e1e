#include "host/form_calculations.h"

// One line per form: its calculation in host/forms/.
FormCalculation t3retCalculation();
FormCalculation slipsCalculation();
FormCalculation sch1aCalculation();
FormCalculation sch2Calculation();
FormCalculation sch3Calculation();
FormCalculation sch4Calculation();
FormCalculation sch7Calculation();
FormCalculation sch8Calculation();
FormCalculation sch9Calculation();
FormCalculation sch11Calculation();
FormCalculation sch12Calculation();
FormCalculation t2043Calculation();
FormCalculation t1055Calculation();
FormCalculation sch20Calculation();
FormCalculation sch21Calculation();
FormCalculation sch22Calculation();
FormCalculation sch23Calculation();
FormCalculation t183Calculation();
FormCalculation taxNoteCalculation();
FormCalculation t2000Calculation();
FormCalculation siftCalculation();
FormCalculation foreignTaxCreditCalculation();
FormCalculation t184Calculation();
FormCalculation sch11aCalculation();
FormCalculation sch10Calculation();
FormCalculation t3otherCalculation();
FormCalculation t2038Calculation();
FormCalculation t1ksCalculation();
FormCalculation sch15Calculation();
FormCalculation sch5Calculation();
FormCalculation t3aCalculation();
FormCalculation sch1Calculation();
FormCalculation statementsCalculation();
FormCalculation t3slipsCalculation();

const std::vector<FormCalculation>& formCalculations()
{
    static const std::vector<FormCalculation> forms = {
        t3retCalculation(),
        slipsCalculation(),
        sch1aCalculation(),
        sch2Calculation(),
        sch3Calculation(),
        sch4Calculation(),
        sch7Calculation(),
        sch8Calculation(),
        sch9Calculation(),
        sch11Calculation(),
        sch12Calculation(),
        t2043Calculation(),
        t1055Calculation(),
        sch20Calculation(),
        sch21Calculation(),
        sch22Calculation(),
        sch23Calculation(),
        t183Calculation(),
        taxNoteCalculation(),
        t2000Calculation(),
        siftCalculation(),
        foreignTaxCreditCalculation(),
        t184Calculation(),
        sch11aCalculation(),
        sch10Calculation(),
        t3otherCalculation(),
        t1ksCalculation(),
        sch15Calculation(),
        t2038Calculation(),  // after Form T3 FFT: its line 12 is Schedule 11 line 24
        sch5Calculation(),
        t3aCalculation(),
        sch1Calculation(),
        statementsCalculation(),
        t3slipsCalculation(),
    };
    return forms;
}
