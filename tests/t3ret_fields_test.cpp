// The T3 return's field registry: order, kinds, defaults, line numbers,
// former names, and the plain members of a new return.
#include "returns/t3ret.h"

#include "framework/datastream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> registeredNames(const CTaxData_Form& form)
{
    std::vector<std::string> names;
    for (const CField* f : form.fields())
        names.emplace_back(f->name());
    return names;
}

int indexOf(const CTaxData_Form& form, const char* name)
{
    const auto names = registeredNames(form);
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return int(i);
    return -1;
}

TEST(T3RetFields, RegistryStartsWithTheFilingStatusThenIdentificationAndEndsWithTheCertification)
{
    TaxData_T3Ret ret;
    const auto names = registeredNames(ret);
    ASSERT_EQ(names.size(), 4u + 190u);  // filing status, then the return's own
    const std::vector<std::string> head = {"fld_ws_bSetStatus", "fld_ws_FileStatus", "fld_ws_ConfirmCode",
                                           "fld_ws_FileDate",   "fld_trust_num",     "fld_start_date",
                                           "fld_end_date",      "fld_trust_name"};
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + long(head.size())), head);
    EXPECT_EQ(names.back(), "fld_cert_date");
    EXPECT_EQ(names[names.size() - 2], "fld_cert_pos");
}

TEST(T3RetFields, SectionsFollowEachOtherInPageOrder)
{
    TaxData_T3Ret ret;
    // Each pair: the last field of one part directly before the first of the next.
    const std::pair<const char*, const char*> boundaries[] = {
        {"fld_lang", "fld_first_year"},
        {"fld_trust_wound_date", "fld_T1135_flag"},
        {"fld_q_19", "fld_taxable_capgain"},
        {"fld_total_inc", "fld_total_inc1"},
        {"fld_net_inc_1", "fld_noncap_loss"},
        {"fld_taxinc", "fld_80"},
        {"fld_RefCode", "fld_preparer_name"},
        {"fld_other_spec_1", "fld_other_1"},
        {"fld_other_ded_3", "fld_other_ded_total"},
        {"fld_yk_MineCarbon", "fld_other_credit"},
    };
    for (const auto& [before, after] : boundaries) {
        SCOPED_TRACE(before);
        ASSERT_GE(indexOf(ret, before), 0);
        EXPECT_EQ(indexOf(ret, after), indexOf(ret, before) + 1);
    }
}

TEST(T3RetFields, OnlyLines80And881CarryLineNumbers)
{
    TaxData_T3Ret ret;
    for (const CField* f : ret.fields()) {
        const std::string name = f->name();
        const int expected = name == "fld_80" ? 80 : name == "fld_881" ? 881 : 0;
        EXPECT_EQ(f->lineNum(), expected) << name;
    }
    EXPECT_EQ(ret.setFloatField(881, 12.34), 0);
    EXPECT_DOUBLE_EQ(ret.fld_881.value(), 12.34);
}

TEST(T3RetFields, DefaultsOfANewReturn)
{
    TaxData_T3Ret ret;
    EXPECT_EQ(ret.formType(), 1);
    EXPECT_EQ(ret.returnFormType(), 1);
    EXPECT_EQ(ret.m_designationLine, 0);
    EXPECT_FALSE(ret.m_siftMutualFundTrust);
    EXPECT_EQ(ret.fld_ws_FileStatus.value(), -1);
    EXPECT_FALSE(ret.fld_ws_bSetStatus.value());
    EXPECT_EQ(ret.fld_ws_bSection216.value(), 0);
    EXPECT_EQ(ret.fld_indv_phone.value(), "(000)-0000000");
    EXPECT_EQ(ret.fld_trustee_phone.value(), "(000)-0000000");
    EXPECT_EQ(ret.fld_mail_phone.value(), "(000)-0000000");
    EXPECT_EQ(ret.fld_preparer_phone.value(), "(000)-0000000");
}

TEST(T3RetFields, FormerNameOfQuestion14LoadsIntoTheCurrentField)
{
    TaxData_T3Ret ret;
    EXPECT_EQ(ret.findField("fld_q_NotOver250K"), &ret.fld_q_RqrdHoldFund);

    // A stored entry under the former name.
    MyDataStream out = MyDataStream::forStoring();
    out.putU32(1);
    out.putU8(FIELD_INT);
    const std::string oldName = "fld_q_NotOver250K";
    out.putU8(uint8_t(oldName.size()));
    out.putBytes(oldName.data(), oldName.size());
    out.putI32(0);
    MyDataStream in = MyDataStream::forLoading(out.finish());
    ASSERT_TRUE(in.ok());
    TaxData_T3Ret loaded;
    EXPECT_EQ(loaded.Serialize(TRUSTELLA_STREAM_VERSION, CString(), in), 0);
    EXPECT_EQ(loaded.fld_q_RqrdHoldFund.value(), 0);
}

TEST(T3RetFields, StoredReturnComesBackFieldForField)
{
    TaxData_T3Ret ret;
    ret.FillTestPrintData();
    MyDataStream out = MyDataStream::forStoring();
    ASSERT_EQ(ret.Serialize(TRUSTELLA_STREAM_VERSION, CString(), out), 0);
    MyDataStream in = MyDataStream::forLoading(out.finish());
    TaxData_T3Ret loaded;
    ASSERT_EQ(loaded.Serialize(TRUSTELLA_STREAM_VERSION, CString(), in), 0);
    EXPECT_FALSE(loaded != ret);
}

}  // namespace
