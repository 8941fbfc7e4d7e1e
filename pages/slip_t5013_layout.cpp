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
line 30 "Box 30" box_30
line 43 "Box 43" box_43
line 101 "Box 101" box_101
line 103 "Box 103" box_103
line 104 "Box 104" box_104
line 107 "Box 107" box_107
line 108 "Box 108" box_108
line 109 "Box 109" box_109
line 113 "Box 113" box_113
line 114 "Box 114" box_114
line 116 "Box 116" box_116
line 118 "Box 118" box_118
line 128 "Interest from Canadian sources" box_128
line 129 "Box 129" box_129
line 130 "Box 130" box_130
line 131 "Box 131" box_131
line 132 "Box 132" box_132
line 133 "Box 133" box_133
line 134 "Box 134" box_134
line 135 "Box 135" box_135
line 137 "Box 137" box_137
line 145 "Box 145" box_145
line 146 "Box 146" box_146
line 151 "Capital gains (losses)" box_151
line 162 "Box 162" box_162
line 164 "Box 164" box_164
line 166 "Box 166" box_166
line 168 "Box 168" box_168
line 171 "Box 171" box_171
line 172 "Box 172" box_172
line 210 "Box 210" box_210
line 236 "Box 236" box_236
)PAGES");
