// Page of the received T5013 slip, Statement of Partnership Income
// (language: docs/pages.md).
#include "framework/page_description.h"

static const PageDescriptionSource kSlipT5013Pages("Slip_T5013", R"PAGES(
form Slip_T5013

page TaxForm_Slip_T5013_tab1 "T5013 slip"
title "T5013 - Statement of Partnership Income"
columns 1
field - "Partnership's name" box_name
field - "Partnership's account number" box_partnershipID
field - "Tax shelter identification number" box_taxshelterID
field - "GST/HST registration number" box_GSTNumber
field - "Industry code" box_IndustryCode
field - "Partnership's address" box_Address
field - "Foreign partnership" box_m_isForeignSlip
line 18 "Recipient type (not used)" box_18_notused
line - "Trust's ownership share (%)" box_percent
section "Limited partner's net income (loss)"
line 101 "Limited partner's farming income (loss)" box_101
line 103 "Limited partner's fishing income (loss)" box_103
line 104 "Limited partner's business income (loss)" box_104
line 107 "Limited partner's rental income (loss)" box_107
line 108 "Limited partner's loss available for carryforward" box_108
line 109 "Previous loss carryforward eligible in the current year" box_109
line 113 "Return of capital" box_113
section "Canadian and foreign net business income (loss)"
line 114 "Other income" box_114
line 116 "Business income (loss)" box_116
line 118 "Gross business income" box_118
section "Canadian and foreign investments and carrying charges"
line 128 "Interest from Canadian sources" box_128
line 129 "Actual amount of dividends other than eligible dividends" box_129
line 130 "Taxable amount of dividends other than eligible dividends" box_130
line 131 "Dividend tax credit for dividends other than eligible dividends" box_131
line 132 "Actual amount of eligible dividends" box_132
line 133 "Taxable amount of eligible dividends" box_133
line 134 "Dividend tax credit for eligible dividends" box_134
line 135 "Foreign dividend and interest income" box_135
line 137 "Business investment loss" box_137
line 145 "Dividend rental arrangement compensation payments" box_145
line 146 "Other investment income" box_146
line 210 "Total carrying charges" box_210
section "Capital gains (losses)"
line 30 "Total capital gains (losses)" box_30
line 151 "Capital gains (losses)" box_151
line 166 "Capital gains reserve" box_166
section "Income tax and foreign tax"
line 168 "Income tax deducted" box_168
line 171 "Foreign tax paid on non-business income" box_171
line 172 "Foreign tax paid on business income" box_172
section "Other boxes of the slip"
line 43 "Box 43" box_43
line 162 "Box 162" box_162
line 164 "Box 164" box_164
line 236 "Box 236" box_236
)PAGES");
