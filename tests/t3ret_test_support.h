// A T3 return for 2024 with every question answered, for the return's tests.
#pragma once

#include "framework/geo_tables.h"
#include "returns/t3ret.h"

#include <gtest/gtest.h>
#include <list>
#include <string>
#include <vector>

// Validation messages as UTF-8 texts, so that a failing comparison shows them.
using Messages = std::vector<std::string>;

inline void fillCompleteReturn2024(TaxData_T3Ret& r)
{
    r.fld_trust_num = "T12345678";
    r.fld_start_date = QDate(2024, 1, 1);
    r.fld_end_date = QDate(2024, 12, 31);
    r.fld_trust_name = "Tremblay Family Trust";
    r.fld_trust_icountry = COUNTRY_CANADA;
    r.fld_trust_iprov = PROV_ON;
    r.fld_bTrusteeIsPerson = 0;
    r.fld_indv_fname = "Marie";
    r.fld_indv_lname = "Tremblay";
    r.fld_indv_phone = "(613)-5551234";
    r.fld_indv_addr = "100 Wellington Street";
    r.fld_indv_city = "Ottawa";
    r.fld_indv_prov = PROV_ON;
    r.fld_indv_country = COUNTRY_CANADA;
    r.fld_indv_postcode = "K1A 0B1";
    r.fld_is_aboriginal = 1;
    r.fld_lang = 0;
    r.fld_first_year = 0;
    r.fld_i903_904 = 0;
    r.fld_attach_flag = 3;
    r.fld_amended = 1;
    r.fld_iNonProfit = 1;
    r.fld_is_final = 1;
    for (CIntField* q : {&r.fld_T1135_flag, &r.fld_q_sect94, &r.fld_q_pay_bnf, &r.fld_q_other_cash,
                         &r.fld_q_change_bnf, &r.fld_q_bnf_die, &r.fld_q_borrow_nonarm, &r.fld_q_chg_1984,
                         &r.fld_q_hold_shares, &r.fld_q_recv_prop, &r.fld_q_public, &r.fld_q_ifrs,
                         &r.fld_q_loss_event, &r.fld_q_parag150})
        *q = 1;
    r.fld_cert_name = "Marie Tremblay";
    r.fld_cert_pos = "Trustee";
    r.fld_cert_date = QDate(2025, 3, 14);
}

inline Messages validationMessages(TaxData_T3Ret& r)
{
    std::list<CString> messages;
    const int n = r.Validate(0, messages);
    Messages out;
    for (const CString& m : messages)
        out.push_back(m.utf8());
    EXPECT_EQ(size_t(n), out.size());
    return out;
}
