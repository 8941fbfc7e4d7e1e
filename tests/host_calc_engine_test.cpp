// The calculation engine: its order (one pass must be enough for the forms
// built so far), its copy rules, and forms left out of a return.
#include "host/calc_engine.h"
#include "host/copy_rules.h"
#include "host/form_catalogue.h"
#include "host/slip_totals.h"
#include "host_test_forms.h"
#include "host/trust_jurisdiction.h"

#include "framework/geo_tables.h"
#include "returns/t183trust.h"
#include "returns/t3ath.h"
#include "returns/t3m.h"
#include "returns/t3ret.h"
#include "returns/t3s.h"
#include "schedules/sch9.h"
#include "schedules/t2038new.h"
#include "taxcalc/business_regulation_types.h"
#include "taxcalc/foreigntaxcredit.h"
#include "taxcalc/sch11.h"
#include "taxcalc/sch5.h"

#include <gtest/gtest.h>
#include <functional>
#include <set>

namespace {

// A graduated rate estate in Ontario: $80,000 of interest, $2,000 of trustee fees.
struct EstateReturn {
    TaxReturn ret;
    TaxData_T3Ret* t3;
    TaxData_Sch9* sch9 = nullptr;
    TaxData_Sch11* sch11 = nullptr;

    explicit EstateReturn(bool withSch9 = true, bool withSch11 = true)
    {
        t3 = static_cast<TaxData_T3Ret*>(ret.add(std::make_unique<TaxData_T3Ret>()));
        t3->fld_i903_904 = 0;
        t3->fld_trust_icountry = COUNTRY_CANADA;
        t3->fld_trust_iprov = PROV_ON;
        t3->fld_other_inv = 80000.0;
        t3->fld_trustee_fee = 2000.0;
        if (withSch9)
            sch9 = static_cast<TaxData_Sch9*>(ret.add(std::make_unique<TaxData_Sch9>()));
        if (withSch11)
            sch11 = static_cast<TaxData_Sch11*>(ret.add(std::make_unique<TaxData_Sch11>()));
    }
};

}  // namespace

// One pass is enough for the forms built so far: a full calculation after it
// changes nothing. The amounts themselves are scenarios (tests/scenarios/engine-*).
TEST(CalcEngine, OnePassIsEnoughAndRunningTheFullCalculationAgainChangesNothing)
{
    EstateReturn e;
    e.sch9->fld_9261 = 30000.0;
    calculatePass(e.ret);
    const double fedTax = e.t3->fld_fed_tax, refDue = e.t3->fld_RefDue, line471 = e.t3->fld_line471;
    calculateReturn(e.ret);
    EXPECT_EQ(e.t3->fld_fed_tax.value(), fedTax);
    EXPECT_EQ(e.t3->fld_RefDue.value(), refDue);
    EXPECT_EQ(e.t3->fld_line471.value(), line471);
}

TEST(TrustJurisdiction, FromProvinceAndCountry)
{
    struct Case {
        int prov, country, expected;
    } cases[] = {
        {PROV_AB, COUNTRY_CANADA, PROV_AB},     {PROV_ON, COUNTRY_CANADA, PROV_ON},
        {PROV_NL_OFFSHORE, 0, PROV_NL_OFFSHORE}, {PROV_MULTIPLE, COUNTRY_CANADA, PROV_NONE},
        {0, COUNTRY_USA, PROV_OUTSIDE_CANADA},  {0, 57, PROV_OUTSIDE_CANADA},
        {0, COUNTRY_CANADA, PROV_NONE},         {0, COUNTRY_NOT_CHOSEN, PROV_NONE},
        {PROV_OUTSIDE_CANADA, COUNTRY_CANADA, PROV_NONE},
    };
    for (const Case& c : cases) {
        TaxData_T3Ret ret;
        ret.fld_trust_iprov = c.prov;
        ret.fld_trust_icountry = c.country;
        EXPECT_EQ(trustJurisdiction(ret), c.expected) << c.prov << "/" << c.country;
    }
}

namespace {
const EngineFilledField* filled(const std::vector<EngineFilledField>& fields, const char* name)
{
    for (const EngineFilledField& f : fields)
        if (f.field == QLatin1String(name))
            return &f;
    return nullptr;
}
}  // namespace

TEST(CopyRules, TypedLine81IsReplacedOnlyWhileScheduleElevenIsPresent)
{
    for (const bool withSch11 : {false, true}) {
        EstateReturn e(/*withSch9=*/true, withSch11);
        e.t3->fld_fed_tax = 1234.5;
        calculateReturn(e.ret);
        SCOPED_TRACE(withSch11);
        EXPECT_NEAR(e.t3->fld_fed_tax.value(), withSch11 ? 12917.315 : 1234.5, 1e-9);
        EXPECT_NEAR(e.t3->fld_tax_pay.value(), withSch11 ? 12917.315 : 1234.5, 1e-9);
        const std::vector<EngineFilledField> fields = engineFilledFields(e.ret, *e.t3);
        const EngineFilledField* line81 = filled(fields, "fld_fed_tax");
        ASSERT_EQ(line81 != nullptr, withSch11);
        if (line81) {
            EXPECT_EQ(line81->comesFrom, QStringLiteral("Schedule 11 line 34"));
        }
    }
}

TEST(CopyRules, Line471ComesFromScheduleNineUnlessTakenOver)
{
    const struct {
        bool withSch9, takenOver;
        double line471;
    } cases[] = {{true, false, 30000.0}, {true, true, 10000.0}, {false, false, 10000.0}};
    for (const auto& c : cases) {
        EstateReturn e(c.withSch9);
        if (e.sch9)
            e.sch9->fld_9261 = 30000.0;  // other income to resident beneficiaries
        e.t3->fld_line471 = 10000.0;
        e.t3->fld_overwrite_line471 = c.takenOver;
        calculateReturn(e.ret);
        SCOPED_TRACE(testing::Message() << c.withSch9 << c.takenOver);
        EXPECT_DOUBLE_EQ(e.t3->fld_line471.value(), c.line471);
        EXPECT_DOUBLE_EQ(e.t3->fld_taxinc.value(), 78000.0 - c.line471);
        const std::vector<EngineFilledField> fields = engineFilledFields(e.ret, *e.t3);
        const EngineFilledField* line471 = filled(fields, "fld_line471");
        ASSERT_EQ(line471 != nullptr, c.withSch9 && !c.takenOver);
        if (line471) {
            EXPECT_EQ(line471->comesFrom, QStringLiteral("Schedule 9 line 928"));
        }
    }
}

// Form T3 FFT's worksheet amounts (basic federal tax, surtax, net income) come
// from Schedule 11 and the return unless the user ticks "entered by hand".
TEST(CopyRules, ForeignTaxCreditWorksheetAmountsAreTheUsersWhenEnteredByHand)
{
    for (const bool byHand : {false, true}) {
        EstateReturn e;
        auto* fft = static_cast<TaxData_ForeignTaxCredit*>(e.ret.add(std::make_unique<TaxData_ForeignTaxCredit>()));
        fft->fld_ws_overwrite = byHand;
        fft->fld_22091 = 900.0;
        fft->fld_22092 = 6000.0;
        fft->fld_NonBusiNetInc = 60000.0;
        fft->fld_NonBusiBasicFedTax = 12000.0;
        calculateReturn(e.ret);
        SCOPED_TRACE(byHand);
        EXPECT_DOUBLE_EQ(fft->fld_NonBusiNetInc.value(), byHand ? 60000.0 : e.t3->fld_net_inc.value());
        EXPECT_DOUBLE_EQ(fft->fld_NonBusiBasicFedTax.value(), byHand ? 12000.0 : e.sch11->fld_BasicTax.value());
        if (byHand) {
            EXPECT_DOUBLE_EQ(fft->fld_NonBusiLine2.value(), 1200.0);  // 6,000 / 60,000 of 12,000
            EXPECT_DOUBLE_EQ(fft->fld_NonBusiTC.value(), 900.0);
        }
        const std::vector<EngineFilledField> fields = engineFilledFields(e.ret, *fft);
        for (const char* name : {"fld_NonBusiBasicFedTax", "fld_BusiBasicFedTax", "fld_NonBusiNetInc",
                                 "fld_BusiNetInc", "fld_BusiFedSurtax"})
            EXPECT_EQ(filled(fields, name) != nullptr, !byHand) << name;
    }
}

TEST(CopyRules, OnlyTheFirstFormOfAClassIsATarget)
{
    EstateReturn e;
    auto* second = static_cast<TaxData_Sch11*>(e.ret.add(std::make_unique<TaxData_Sch11>()));
    calculateReturn(e.ret);
    EXPECT_DOUBLE_EQ(e.sch11->fld_taxinc.value(), 78000.0);
    EXPECT_DOUBLE_EQ(second->fld_taxinc.value(), 0.0);
    EXPECT_TRUE(engineFilledFields(e.ret, *second).empty());
    EXPECT_TRUE(filled(engineFilledFields(e.ret, *e.sch11), "fld_taxinc"));
}

// Schedule 5 columns C, E and F are the allocation's, except under
// regulation 411 (pipeline operators), where the user's allocation stands.
TEST(CopyRules, ScheduleFiveAllocationColumnsAreTheUsersOnlyForPipelineOperators)
{
    for (const int regulation : {1, kPipelineOperators}) {
        EstateReturn e;
        auto* sch5 = static_cast<TaxData_Sch5*>(e.ret.add(std::make_unique<TaxData_Sch5>()));
        sch5->fld_iRegulationType = regulation;
        sch5->m_ON.colB = 1000.0;
        sch5->m_ON.colF = 5.0;
        calculateReturn(e.ret);
        SCOPED_TRACE(regulation);
        const bool allocated = regulation != kPipelineOperators;
        EXPECT_DOUBLE_EQ(sch5->m_ON.colF.value(), allocated ? e.t3->fld_taxinc.value() : 5.0);
        const std::vector<EngineFilledField> fields = engineFilledFields(e.ret, *sch5);
        for (const char* name : {"fld_ON_colC", "fld_ON_colE", "fld_ON_colF", "fld_OutCAN_colF"})
            EXPECT_EQ(filled(fields, name) != nullptr, allocated) << name;
    }
}

// Form T2038(IND) fills its claim (line 27) and the amount used for the
// refund itself, unless the user enters them: then they stay editable.
TEST(CopyRules, InvestmentTaxCreditClaimAndRefundAreTheFormsUnlessEnteredByHand)
{
    const struct {
        bool claimByHand, refundByHand;
    } cases[] = {{false, true}, {true, false}};
    for (const auto& c : cases) {
        EstateReturn e;
        auto* t2038 = static_cast<TaxData_T2038New*>(e.ret.add(std::make_unique<TaxData_T2038New>()));
        t2038->fld_ITC_claim_overwrite = c.claimByHand;
        t2038->fld_overwrite_refund = c.refundByHand;
        calculateReturn(e.ret);
        SCOPED_TRACE(c.claimByHand);
        const std::vector<EngineFilledField> fields = engineFilledFields(e.ret, *t2038);
        const EngineFilledField* claim = filled(fields, "fld_ITC_claim");
        ASSERT_EQ(claim != nullptr, !c.claimByHand);
        EXPECT_EQ(filled(fields, "fld_ITCRefundUsingAmount") != nullptr, !c.refundByHand);
        if (claim) {
            EXPECT_EQ(claim->comesFrom, QStringLiteral("Form T2038(IND) Part D: line F or line I, whichever is less"));
        }
    }
}

// Every rule names fields that its classes have, of kinds that fit the copy.
TEST(CopyRules, EveryRuleNamesRealFields)
{
    const FormCatalogue& catalogue = FormCatalogue::standard();
    auto create = [&](const QMetaObject* cls) {
        const FormClass* row = catalogue.find(QString::fromLatin1(cls->className()));
        return row ? row->create() : nullptr;
    };
    for (const CopyRule& rule : copyRules()) {
        SCOPED_TRACE(testing::Message() << rule.targetClass->className() << "." << rule.targetField);
        const auto target = create(rule.targetClass);
        ASSERT_TRUE(target);
        const CField* to = target->findField(rule.targetField);
        ASSERT_TRUE(to);
        EXPECT_FALSE(rule.comesFrom == nullptr || *rule.comesFrom == 0);
        for (const char* flag : {rule.overrideFlag, rule.onlyWhile})
            if (flag) {
                ASSERT_TRUE(target->findField(flag)) << flag;
                const bool answer = flag == rule.overrideFlag && rule.overrideAnswer >= 0;
                EXPECT_EQ(target->findField(flag)->kind(), answer ? FIELD_INT : FIELD_BOOL) << flag;
            }
        if (rule.sourceClass) {
            ASSERT_TRUE(create(rule.sourceClass));
        }
        switch (rule.kind) {
        case CopyRule::Source::Field: {
            const auto source = create(rule.sourceClass);
            const CField* from = source->findField(rule.sourceField);
            ASSERT_TRUE(from) << rule.sourceField;
            EXPECT_EQ(from->kind(), to->kind());
            break;
        }
        case CopyRule::Source::Computed:
            EXPECT_EQ(to->kind(), FIELD_FLOAT);
            EXPECT_TRUE(rule.compute);
            break;
        case CopyRule::Source::Operation:
            break;
        case CopyRule::Source::SlipTotals:
            EXPECT_EQ(to->kind(), FIELD_FLOAT);
            EXPECT_GE(rule.slipMembers[0], 0);
            break;
        }
    }
}

namespace {
// Gives every field of `form` a value other than its default: `variant` 0
// or 1 for answers and flags, so that both branches of a choice are seen.
void fillEveryField(CTaxData_Form& form, int variant)
{
    double amount = 100.25 + variant;
    for (CField* f : form.fields()) {
        switch (f->kind()) {
        case FIELD_FLOAT:
        case FIELD_PERCENT:
            f->fromText(QString::number(amount += 10.0));
            break;
        case FIELD_INT:
        case FIELD_BOOL:
            f->fromText(QString::number(variant));
            break;
        case FIELD_STRING:
            f->fromText(QStringLiteral("X%1").arg(variant));
            break;
        default:
            break;
        }
    }
}

std::set<std::string> changedFields(const CTaxData_Form& before, const CTaxData_Form& after)
{
    std::set<std::string> out;
    for (const CField* f : after.fields())
        if (!f->sameValue(*before.findField(f->name())))
            out.insert(f->name());
    return out;
}

std::set<std::string> operationTargets(const QMetaObject& target, const QMetaObject* source = nullptr)
{
    std::set<std::string> out;
    for (const CopyRule& rule : copyRules())
        if (rule.kind == CopyRule::Source::Operation && rule.targetClass == &target &&
            (!source || rule.sourceClass == source))
            out.insert(rule.targetField);
    return out;
}
}  // namespace

// The rules list exactly the fields each return type's updateT183Trust fills.
TEST(CopyRules, AuthorizationRulesAreTheFieldsTheReturnFills)
{
    const std::function<std::unique_ptr<TaxData_T3Base>()> returnTypes[] = {
        [] { return std::make_unique<TaxData_T3Ret>(); },
        [] { return std::make_unique<TaxData_T3M>(); },
        [] { return std::make_unique<TaxData_T3S>(); },
        [] { return std::make_unique<TaxData_T3ATH_Ind>(); },
    };
    for (const auto& create : returnTypes) {
        std::set<std::string> changed;
        const QMetaObject* source = create()->metaObject();
        for (const int variant : {0, 1, 2, 3}) {  // 2, 3: a filled form (a T3S writes province 0, the default)
            auto ret = create();
            fillEveryField(*ret, variant % 2);
            TaxData_T183Trust fresh, t183;
            if (variant > 1) {
                fillEveryField(fresh, 1 - variant % 2);
                fillEveryField(t183, 1 - variant % 2);
            }
            ret->updateT183Trust(&t183);
            const std::set<std::string> run = changedFields(fresh, t183);
            changed.insert(run.begin(), run.end());
        }
        EXPECT_EQ(changed, operationTargets(TaxData_T183Trust::staticMetaObject, source)) << source->className();
    }
}

// The rules list exactly the fields "Always Allocate All" writes.
TEST(CopyRules, AllocateAllRulesAreTheFieldsTheAllocationWrites)
{
    TaxData_T3Ret t3;
    fillEveryField(t3, 1);
    STRU_SLIPDATA_CALCULATION slips;
    for (int i = 0; i < STRU_SLIPDATA_CALCULATION::kSize; ++i)
        slips[i] = i + 0.5;
    TaxData_Sch9 fresh, sch9;
    sch9.copySlipCalcAmount(slips, &t3);
    sch9.autoSetAllAllocation();
    EXPECT_EQ(changedFields(fresh, sch9), operationTargets(TaxData_Sch9::staticMetaObject));
}

// Received slips feed the totals and a totals rule; issued slips do not, and
// without a feeding slip the user's entry stays.
TEST(CopyRules, SlipTotalsRuleFillsOnlyWhileAReceivedSlipFeedsIt)
{
    const CopyRule rule = fromSlipTotals<TaxData_FrameworkSample>({2, 10}, {22, 24}, "fld_amount", "received slips");
    TaxReturn ret;
    auto* target = static_cast<TaxData_FrameworkSample*>(ret.add(std::make_unique<TaxData_FrameworkSample>()));
    target->fld_amount = 5.0;
    auto addSlip = [&](int from, double box12) {
        auto slip = std::make_unique<TaxData_Slip_HostSample>(from);
        slip->box_12 = box12;
        ret.add(std::move(slip));
    };
    const struct {
        int from;
        double box12;
        double expected;
    } steps[] = {
        {kSlipIssuedByTrust, 700.0, 5.0},    // issued: nothing feeds member 22 yet
        {kSlipReceivedByTrust, 0.0, 0.0},    // a received slip with nothing in it still takes the line
        {kSlipReceivedByTrust, 120.25, 120.25},
        {kSlipReceivedByTrust, 0.5, 120.75},
    };
    for (const auto& step : steps) {
        addSlip(step.from, step.box12);
        applyRule(rule, ret, slipTotalsOf(ret));
        EXPECT_DOUBLE_EQ(target->fld_amount.value(), step.expected) << step.from << " " << step.box12;
        EXPECT_EQ(ruleFormsNow(rule, ret).target != nullptr, step.from == kSlipReceivedByTrust || step.expected != 5.0);
    }
}
