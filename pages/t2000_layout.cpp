// Page of Form T2000, Calculation of Tax on Agreements to Acquire Shares
// (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kT2000Pages("T2000", R"PAGES(
form T2000

page TaxForm_T2000_tab1 1
title "Form T2000 - Calculation of Tax on Agreements to Acquire Shares"
columns 3
section "Identification"
field - "Name of the trustee" fld_lname
field - "Plan's tax year ends on" fld_finish_date
field - "Telephone number" fld_phone
field - "Address" fld_addr
field - "City" fld_city
field - "Province or territory, country" fld_prov:province fld_country:country
field - "Postal or ZIP code" fld_postcode
field - "Trustee's account number" fld_acct_num
field - "Name of the plan" fld_trust_name
field - "Plan's account number" fld_trust_num
section "Agreements to acquire shares"
note "Columns I, J and K are {t2000Rate} of columns B, C and D; column L is column E minus column F; column M is the lesser of columns K and L; column N is column G minus column H."
columns "B" "C" "D" "E" "F" "G" "H" "I" "J" "K" "L" "M" "N"
line - "Agreement 1" fld_B_1 fld_C_1 fld_D_1 fld_E_1 fld_F_1 fld_G_1 fld_H_1 fld_I_1 fld_J_1 fld_K_1 fld_L_1 fld_M_1 fld_N_1
line - "Agreement 2" fld_B_2 fld_C_2 fld_D_2 fld_E_2 fld_F_2 fld_G_2 fld_H_2 fld_I_2 fld_J_2 fld_K_2 fld_L_2 fld_M_2 fld_N_2
line - "Agreement 3" fld_B_3 fld_C_3 fld_D_3 fld_E_3 fld_F_3 fld_G_3 fld_H_3 fld_I_3 fld_J_3 fld_K_3 fld_L_3 fld_M_3 fld_N_3
line - "Agreement 4" fld_B_4 fld_C_4 fld_D_4 fld_E_4 fld_F_4 fld_G_4 fld_H_4 fld_I_4 fld_J_4 fld_K_4 fld_L_4 fld_M_4 fld_N_4
line - "Agreement 5" fld_B_5 fld_C_5 fld_D_5 fld_E_5 fld_F_5 fld_G_5 fld_H_5 fld_I_5 fld_J_5 fld_K_5 fld_L_5 fld_M_5 fld_N_5
line - "Agreement 6" fld_B_6 fld_C_6 fld_D_6 fld_E_6 fld_F_6 fld_G_6 fld_H_6 fld_I_6 fld_J_6 fld_K_6 fld_L_6 fld_M_6 fld_N_6
line - "Agreement 7" fld_B_7 fld_C_7 fld_D_7 fld_E_7 fld_F_7 fld_G_7 fld_H_7 fld_I_7 fld_J_7 fld_K_7 fld_L_7 fld_M_7 fld_N_7
line - "Agreement 8" fld_B_8 fld_C_8 fld_D_8 fld_E_8 fld_F_8 fld_G_8 fld_H_8 fld_I_8 fld_J_8 fld_K_8 fld_L_8 fld_M_8 fld_N_8
line - "Agreement 9" fld_B_9 fld_C_9 fld_D_9 fld_E_9 fld_F_9 fld_G_9 fld_H_9 fld_I_9 fld_J_9 fld_K_9 fld_L_9 fld_M_9 fld_N_9
line - "Agreement 10" fld_B_10 fld_C_10 fld_D_10 fld_E_10 fld_F_10 fld_G_10 fld_H_10 fld_I_10 fld_J_10 fld_K_10 fld_L_10 fld_M_10 fld_N_10
line - "Agreement 11" fld_B_11 fld_C_11 fld_D_11 fld_E_11 fld_F_11 fld_G_11 fld_H_11 fld_I_11 fld_J_11 fld_K_11 fld_L_11 fld_M_11 fld_N_11
line - "Agreement 12" fld_B_12 fld_C_12 fld_D_12 fld_E_12 fld_F_12 fld_G_12 fld_H_12 fld_I_12 fld_J_12 fld_K_12 fld_L_12 fld_M_12 fld_N_12
line - "Totals" . . . . . . . fld_totalI fld_totalJ . . fld_totalM fld_totalN
columns 1
line 2411 "Tax payable (add the totals of columns I, J, M and N)" fld_2411
line - "Minus: payments on account" fld_PayOnAcct
line - "Balance owing (refund)" fld_BalOrRef
section "Certification"
columns 3
field - "Name of the person certifying" fld_cert_name
field - "Date" fld_sign_date
field - "Position or office" fld_sign_position
)PAGES");
