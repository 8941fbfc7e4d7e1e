// Page of the received T4A slip, Statement of Pension, Retirement, Annuity,
// and Other Income (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipT4APages("Slip_T4A", R"PAGES(
form Slip_T4A
list eduEligible "Not eligible" "Eligible"
list zone "Prescribed zone A" "Prescribed zone B"
list fedOrProv "Federal" "Provincial"

page TaxForm_Slip_T4A_tab1 "T4A slip"
title "T4A - Statement of Pension, Retirement, Annuity, and Other Income"
columns 1
field - "Payer's name" box_title
field - "Paid on the death of the spouse or common-law partner" box_spouseofdeath
field - "Income exempt under the Indian Act" box_isIndian
line 16 "Pension or superannuation" box_16
line 18 "Lump-sum payments" box_18
line 20 "Self-employed commissions" box_20
line 22 "Income tax deducted" box_22
line 24 "Annuities" box_24
field - "Box 24 is an amount of line 6810" box_24_6810
line 28 "Other income" box_28
field - "Box 28 is not split income (line 5345)" box_not_5345
field - "Box 28 is already included elsewhere" box_28_included
line 30 "Patronage allocations" box_30
field - "Box 30 is not income" box_30_NotIncome
line 32 "Registered pension plan contributions (past service)" box_32
line - "Part of box 32 for a foreign pension plan" box_fn_rpp
field - "Box 32 cannot be claimed on line 20700" box_32_CanNotClaimLine207
line 34 "Pension adjustment" box_34
line 37 "Advanced life deferred annuity purchase" box_37
line 40 "RESP accumulated income payments" box_40
line 42 "RESP educational assistance payments" box_42
line 46 "Pension plan credit" box_46
line 48 "Fees for services" box_48
section "Other information"
line 104 "Research grants" box_104
line - "Research expenses (code 04)" box_28_code04_researchexp
line 105 "Scholarships, bursaries, fellowships, artists' project grants and prizes" box_105
field - "Box 105 eligibility for the education exemption" box_105_edueligible:eduEligible
line 106 "Death benefits" box_106
line 107 "Payments from a wage-loss replacement plan" box_107
line 109 "Periodic payments from an unregistered plan" box_109
line 117 "Loan benefits" box_117
line - "Wage-loss replacement plan premiums (line 9916)" box_wageloss_premium_9916
line 118 "Medical premium benefits" box_118
line 119 "Premiums paid to a group term life insurance plan" box_119
line 123 "Payments from a revoked DPSP" box_123
field - "Zone of the special work site" box_124_iForZoneAorB:zone
line 124 "Board and lodging at special work sites" box_124
line 125 "Disability benefits paid out of a superannuation or pension plan" box_125
line 127 "Veterans' benefits" box_127
line 128 "Veterans' benefits eligible for pension splitting" box_128
line 129 "Tax deferred cooperative share" box_129
line 130 "Apprenticeship incentive grant or completion grant" box_130
line 131 "Registered disability savings plan" box_131
line 132 "Wage Earner Protection Program" box_132
line 133 "Variable pension benefits" box_133
line 134 "Tax-Free Savings Account taxable amount" box_134
line 135 "Recipient-paid premiums for private health services plans" box_135
line 136 "Parents of Victims of Crime Benefit" box_136
line 150 "Labour adjustment benefits" box_150
line 152 "SubPara. 81(1)(g.3) Indian Act exempt income" box_152
line 154 "Cancelled amounts" box_154
line 156 "Bankruptcy settlement" box_156
line 194 "Pooled registered pension plan amounts" box_194
line 196 "Tuition assistance for adult basic education" box_196
line 197 "Canada emergency benefit" box_197
line 198 "Canada emergency student benefit" box_198
line 199 "Canada emergency response benefit" box_199
field - "Box 201 paid by" box_201_FedOrProv:fedOrProv
line 200 "Provincial or territorial COVID-19 financial assistance" box_200
line 201 "Repayment of COVID-19 financial assistance" box_201
line 202 "Canada recovery benefit" box_202
line 203 "Canada recovery sickness benefit" box_203
line 204 "Canada recovery caregiving benefit" box_204
line 205 "Canada worker lockdown benefit" box_205
line 210 "Postdoctoral fellowship payments" box_210
line 211 "Retirement compensation arrangement" box_211
)PAGES");
